// The dispatch tables of the configuration views every subsystem reads, and the interfaces the type library only describes: one per dual interface, members in slot order,
// with the member names and dispatch identifiers of the type library.
#include "tlb/DispatchTables.h"

const tlx::DispatchTable& DispatchTableOf(IRecordHead*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IRecordHead::get_ID>(u"ID", RecordObjectDispid::ID),
        tlx::DispGet<&IRecordHead::get_Session>(u"Session", RecordObjectDispid::Session),
        tlx::DispGet<&IRecordHead::get_State>(u"State", RecordObjectDispid::State),
        tlx::DispPutRef<&IRecordHead::putref_State>(u"State", RecordObjectDispid::State),
        tlx::DispGet<&IRecordHead::get_ROSaveMode>(u"ROSaveMode", RecordObjectDispid::ROSaveMode),
        tlx::DispPut<&IRecordHead::put_ROSaveMode>(u"ROSaveMode", RecordObjectDispid::ROSaveMode),
        tlx::DispMethod<&IRecordHead::Verify>(u"Verify", RecordObjectDispid::Verify),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(ISimpleObjectHead*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ISimpleObjectHead::get_Session>(u"Session", SimpleObjectDispid::Session),
        tlx::DispGet<&ISimpleObjectHead::get_State>(u"State", SimpleObjectDispid::State),
        tlx::DispPutRef<&ISimpleObjectHead::putref_State>(u"State", SimpleObjectDispid::State),
        tlx::DispGet<&ISimpleObjectHead::get_ROSaveMode>(u"ROSaveMode", SimpleObjectDispid::ROSaveMode),
        tlx::DispPut<&ISimpleObjectHead::put_ROSaveMode>(u"ROSaveMode", SimpleObjectDispid::ROSaveMode),
        tlx::DispMethod<&ISimpleObjectHead::Verify>(u"Verify", SimpleObjectDispid::Verify),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IFirmaCfgRO*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<ISimpleObjectHead*>(nullptr)), {
        tlx::DispGet<&IFirmaCfgRO::get_NIP>(u"NIP", IFirmaCfgRO::Dispid::NIP),
        tlx::DispGet<&IFirmaCfgRO::get_RodzajPlatnika>(u"RodzajPlatnika", IFirmaCfgRO::Dispid::RodzajPlatnika),
        tlx::DispGet<&IFirmaCfgRO::get_Nazwa>(u"Nazwa", IFirmaCfgRO::Dispid::Nazwa),
        tlx::DispGet<&IFirmaCfgRO::get_Kraj>(u"Kraj", IFirmaCfgRO::Dispid::Kraj),
        tlx::DispGet<&IFirmaCfgRO::get_Wojewodztwo>(u"Wojewodztwo", IFirmaCfgRO::Dispid::Wojewodztwo),
        tlx::DispGet<&IFirmaCfgRO::get_Powiat>(u"Powiat", IFirmaCfgRO::Dispid::Powiat),
        tlx::DispGet<&IFirmaCfgRO::get_Gmina>(u"Gmina", IFirmaCfgRO::Dispid::Gmina),
        tlx::DispGet<&IFirmaCfgRO::get_Ulica>(u"Ulica", IFirmaCfgRO::Dispid::Ulica),
        tlx::DispGet<&IFirmaCfgRO::get_Nr_domu>(u"Nr_domu", IFirmaCfgRO::Dispid::Nr_domu),
        tlx::DispGet<&IFirmaCfgRO::get_Nr_Lokalu>(u"Nr_Lokalu", IFirmaCfgRO::Dispid::Nr_Lokalu),
        tlx::DispGet<&IFirmaCfgRO::get_Miasto>(u"Miasto", IFirmaCfgRO::Dispid::Miasto),
        tlx::DispGet<&IFirmaCfgRO::get_KodPocztowy>(u"KodPocztowy", IFirmaCfgRO::Dispid::KodPocztowy),
        tlx::DispGet<&IFirmaCfgRO::get_Poczta>(u"Poczta", IFirmaCfgRO::Dispid::Poczta),
        tlx::DispGet<&IFirmaCfgRO::get_ImieP>(u"ImieP", IFirmaCfgRO::Dispid::ImieP),
        tlx::DispGet<&IFirmaCfgRO::get_NazwiskoP>(u"NazwiskoP", IFirmaCfgRO::Dispid::NazwiskoP),
        tlx::DispGet<&IFirmaCfgRO::get_UrzadSkarbowy>(u"UrzadSkarbowy", IFirmaCfgRO::Dispid::UrzadSkarbowy),
        tlx::DispGet<&IFirmaCfgRO::get_TypDzialalnosciPodstawowej>(
            u"TypDzialalnosciPodstawowej", IFirmaCfgRO::Dispid::TypDzialalnosciPodstawowej),
        tlx::DispGet<&IFirmaCfgRO::get_GeneracjaKorekcyjnaVAT7>(
            u"GeneracjaKorekcyjnaVAT7", IFirmaCfgRO::Dispid::GeneracjaKorekcyjnaVAT7),
        tlx::DispGet<&IFirmaCfgRO::get_RejestrDlaGeneracjiKorekcyjnej>(
            u"RejestrDlaGeneracjiKorekcyjnej", IFirmaCfgRO::Dispid::RejestrDlaGeneracjiKorekcyjnej),
        tlx::DispGet<&IFirmaCfgRO::get_UrzadSkarbowyPIT8A>(
            u"UrzadSkarbowyPIT8A", IFirmaCfgRO::Dispid::UrzadSkarbowyPIT8A),
        tlx::DispGet<&IFirmaCfgRO::get_RodzajKsiegowosci>(u"RodzajKsiegowosci", IFirmaCfgRO::Dispid::RodzajKsiegowosci),
        tlx::DispGet<&IFirmaCfgRO::get_TypDokumentuDlaDeklaracji>(
            u"TypDokumentuDlaDeklaracji", IFirmaCfgRO::Dispid::TypDokumentuDlaDeklaracji),
        tlx::DispGet<&IFirmaCfgRO::get_FormaPlatnosciDlaDeklaracji>(
            u"FormaPlatnosciDlaDeklaracji", IFirmaCfgRO::Dispid::FormaPlatnosciDlaDeklaracji),
        tlx::DispGet<&IFirmaCfgRO::get_ImiePCIT8>(u"ImiePCIT8", IFirmaCfgRO::Dispid::ImiePCIT8),
        tlx::DispGet<&IFirmaCfgRO::get_NazwiskoPCIT8>(u"NazwiskoPCIT8", IFirmaCfgRO::Dispid::NazwiskoPCIT8),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IProgramCfgRO*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<ISimpleObjectHead*>(nullptr)), {
        tlx::DispGet<&IProgramCfgRO::get_WylZak0_VAT7>(u"WylZak0_VAT7", IProgramCfgRO::Dispid::WylZak0_VAT7),
        tlx::DispGet<&IProgramCfgRO::get_Grosze_VAT7>(u"Grosze_VAT7", IProgramCfgRO::Dispid::Grosze_VAT7),
        tlx::DispGet<&IProgramCfgRO::get_ZaokPodst_VAT7>(u"ZaokPodst_VAT7", IProgramCfgRO::Dispid::ZaokPodst_VAT7),
        tlx::DispGet<&IProgramCfgRO::get_ZaokPodatek_VAT7>(
            u"ZaokPodatek_VAT7", IProgramCfgRO::Dispid::ZaokPodatek_VAT7),
        tlx::DispGet<&IProgramCfgRO::get_ZaokPodst_PIT5>(u"ZaokPodst_PIT5", IProgramCfgRO::Dispid::ZaokPodst_PIT5),
        tlx::DispGet<&IProgramCfgRO::get_ZaokPodatek_PIT5>(
            u"ZaokPodatek_PIT5", IProgramCfgRO::Dispid::ZaokPodatek_PIT5),
        tlx::DispGet<&IProgramCfgRO::get_StawkaRyczaltowa1>(
            u"StawkaRyczaltowa1", IProgramCfgRO::Dispid::StawkaRyczaltowa1),
        tlx::DispGet<&IProgramCfgRO::get_StawkaRyczaltowa2>(
            u"StawkaRyczaltowa2", IProgramCfgRO::Dispid::StawkaRyczaltowa2),
        tlx::DispGet<&IProgramCfgRO::get_StawkaRyczaltowa3>(
            u"StawkaRyczaltowa3", IProgramCfgRO::Dispid::StawkaRyczaltowa3),
        tlx::DispGet<&IProgramCfgRO::get_Vat7_WliczacNP>(u"Vat7_WliczacNP", IProgramCfgRO::Dispid::Vat7_WliczacNP),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(ITransformHelper*) {
    static const tlx::DispatchTable table{};
    return table;
}
