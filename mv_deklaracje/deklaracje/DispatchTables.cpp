// The dispatch tables of the declaration and its records (pages, stored values, printouts, PDFs, VAT-ZD and VAT-27 items, establishments) and the scripts' data service: one per dual interface, members in slot order,
// with the member names and dispatch identifiers of the type library.
#include "tlb/DispatchTables.h"

const tlx::DispatchTable& DispatchTableOf(IDeklaracja*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispGet<&IDeklaracja::get_Stempel>(u"Stempel", IDeklaracja::Dispid::Stempel),
        tlx::DispGet<&IDeklaracja::get_Kedu>(u"Kedu", IDeklaracja::Dispid::Kedu),
        tlx::DispPut<&IDeklaracja::put_Kedu>(u"Kedu", IDeklaracja::Dispid::Kedu),
        tlx::DispGet<&IDeklaracja::get_Deklaracja>(u"Deklaracja", IDeklaracja::Dispid::Deklaracja),
        tlx::DispPut<&IDeklaracja::put_Deklaracja>(u"Deklaracja", IDeklaracja::Dispid::Deklaracja),
        tlx::DispGet<&IDeklaracja::get_Podatnik>(u"Podatnik", IDeklaracja::Dispid::Podatnik),
        tlx::DispPut<&IDeklaracja::put_Podatnik>(u"Podatnik", IDeklaracja::Dispid::Podatnik),
        tlx::DispGet<&IDeklaracja::get_Data, VT_DATE>(u"Data", IDeklaracja::Dispid::Data),
        tlx::DispPut<&IDeklaracja::put_Data, VT_DATE>(u"Data", IDeklaracja::Dispid::Data),
        tlx::DispGet<&IDeklaracja::get_TypDeklar>(u"TypDeklar", IDeklaracja::Dispid::TypDeklar),
        tlx::DispPut<&IDeklaracja::put_TypDeklar>(u"TypDeklar", IDeklaracja::Dispid::TypDeklar),
        tlx::DispGet<&IDeklaracja::get_Rok>(u"Rok", IDeklaracja::Dispid::Rok),
        tlx::DispPut<&IDeklaracja::put_Rok>(u"Rok", IDeklaracja::Dispid::Rok),
        tlx::DispGet<&IDeklaracja::get_Miesiac>(u"Miesiac", IDeklaracja::Dispid::Miesiac),
        tlx::DispPut<&IDeklaracja::put_Miesiac>(u"Miesiac", IDeklaracja::Dispid::Miesiac),
        tlx::DispGet<&IDeklaracja::get_Numer>(u"Numer", IDeklaracja::Dispid::Numer),
        tlx::DispPut<&IDeklaracja::put_Numer>(u"Numer", IDeklaracja::Dispid::Numer),
        tlx::DispGet<&IDeklaracja::get_Wersja>(u"Wersja", IDeklaracja::Dispid::Wersja),
        tlx::DispPut<&IDeklaracja::put_Wersja>(u"Wersja", IDeklaracja::Dispid::Wersja),
        tlx::DispGet<&IDeklaracja::get_Zablokowana>(u"Zablokowana", IDeklaracja::Dispid::Zablokowana),
        tlx::DispPut<&IDeklaracja::put_Zablokowana>(u"Zablokowana", IDeklaracja::Dispid::Zablokowana),
        tlx::DispGet<&IDeklaracja::get_Tekst>(u"Tekst", IDeklaracja::Dispid::Tekst),
        tlx::DispPut<&IDeklaracja::put_Tekst>(u"Tekst", IDeklaracja::Dispid::Tekst),
        tlx::DispGet<&IDeklaracja::get_Deklaracje>(u"Deklaracje", IDeklaracja::Dispid::Deklaracje),
        tlx::DispGet<&IDeklaracja::get_DataObowiazywaniaOd>(
            u"DataObowiazywaniaOd", IDeklaracja::Dispid::DataObowiazywaniaOd),
        tlx::DispGet<&IDeklaracja::get_DataObowiazywaniaDo>(
            u"DataObowiazywaniaDo", IDeklaracja::Dispid::DataObowiazywaniaDo),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IDeklaracja2*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IDeklaracja*>(nullptr)), {
        tlx::DispGet<&IDeklaracja2::get_Pracownik>(u"Pracownik", IDeklaracja2::Dispid::Pracownik),
        tlx::DispPut<&IDeklaracja2::put_Pracownik>(u"Pracownik", IDeklaracja2::Dispid::Pracownik),
        tlx::DispGet<&IDeklaracja2::get_This>(u"This", IDeklaracja2::Dispid::This),
        tlx::DispMethod<&IDeklaracja2::WillAction>(u"WillAction", IDeklaracja2::Dispid::WillAction),
        tlx::DispMethod<&IDeklaracja2::ActionCompleted>(u"ActionCompleted", IDeklaracja2::Dispid::ActionCompleted),
        tlx::DispMethod<&IDeklaracja2::ActionFailed>(u"ActionFailed", IDeklaracja2::Dispid::ActionFailed),
        tlx::DispMethod<&IDeklaracja2::SendMessage>(u"SendMessage", IDeklaracja2::Dispid::SendMessage),
        tlx::DispMethod<&IDeklaracja2::AdviseProgress>(u"AdviseProgress", IDeklaracja2::Dispid::AdviseProgress),
        tlx::DispMethod<&IDeklaracja2::UnAdviseProgress>(u"UnAdviseProgress", IDeklaracja2::Dispid::UnAdviseProgress),
        tlx::DispGet<&IDeklaracja2::get_DekID>(u"DekID", IDeklaracja2::Dispid::DekID),
        tlx::DispPut<&IDeklaracja2::put_DekID>(u"DekID", IDeklaracja2::Dispid::DekID),
        tlx::DispGet<&IDeklaracja2::get_TypZrodla>(u"TypZrodla", IDeklaracja2::Dispid::TypZrodla),
        tlx::DispGet<&IDeklaracja2::get_PodTypZrodla>(u"PodTypZrodla", IDeklaracja2::Dispid::PodTypZrodla),
        tlx::DispPut<&IDeklaracja2::put_PodTypZrodla>(u"PodTypZrodla", IDeklaracja2::Dispid::PodTypZrodla),
        tlx::DispGet<&IDeklaracja2::get_DataKur, VT_DATE>(u"DataKur", IDeklaracja2::Dispid::DataKur),
        tlx::DispPut<&IDeklaracja2::put_DataKur, VT_DATE>(u"DataKur", IDeklaracja2::Dispid::DataKur),
        tlx::DispGet<&IDeklaracja2::get_Finalna>(u"Finalna", IDeklaracja2::Dispid::Finalna),
        tlx::DispGet<&IDeklaracja2::get_ParentId>(u"ParentId", IDeklaracja2::Dispid::ParentId),
        tlx::DispPut<&IDeklaracja2::put_ParentId>(u"ParentId", IDeklaracja2::Dispid::ParentId),
        tlx::DispGet<&IDeklaracja2::get_BR_ModulPlace>(u"BR_ModulPlace", IDeklaracja2::Dispid::BR_ModulPlace),
        tlx::DispPut<&IDeklaracja2::put_BR_ModulPlace>(u"BR_ModulPlace", IDeklaracja2::Dispid::BR_ModulPlace),
        tlx::DispGet<&IDeklaracja2::get_Transformata>(u"Transformata", IDeklaracja2::Dispid::Transformata),
        tlx::DispGet<&IDeklaracja2::get_ImportRowID>(u"ImportRowID", IDeklaracja2::Dispid::ImportRowID),
        tlx::DispPut<&IDeklaracja2::put_ImportRowID>(u"ImportRowID", IDeklaracja2::Dispid::ImportRowID),
        tlx::DispGet<&IDeklaracja2::get_JestemKlonem>(u"JestemKlonem", IDeklaracja2::Dispid::JestemKlonem),
        tlx::DispGet<&IDeklaracja2::get_Recordset>(u"Recordset", IDeklaracja2::Dispid::Recordset),
        tlx::DispGet<&IDeklaracja2::get_ConstNIP>(u"ConstNIP", IDeklaracja2::Dispid::ConstNIP),
        tlx::DispPut<&IDeklaracja2::put_ConstNIP>(u"ConstNIP", IDeklaracja2::Dispid::ConstNIP),
        tlx::DispGet<&IDeklaracja2::get_EDekl_RefID>(u"EDekl_RefID", IDeklaracja2::Dispid::EDekl_RefID),
        tlx::DispPut<&IDeklaracja2::put_EDekl_RefID>(u"EDekl_RefID", IDeklaracja2::Dispid::EDekl_RefID),
        tlx::DispGet<&IDeklaracja2::get_EDekl_Status>(u"EDekl_Status", IDeklaracja2::Dispid::EDekl_Status),
        tlx::DispPut<&IDeklaracja2::put_EDekl_Status>(u"EDekl_Status", IDeklaracja2::Dispid::EDekl_Status),
        tlx::DispGet<&IDeklaracja2::get_EDekl_StatusOpis>(u"EDekl_StatusOpis", IDeklaracja2::Dispid::EDekl_StatusOpis),
        tlx::DispPut<&IDeklaracja2::put_EDekl_StatusOpis>(u"EDekl_StatusOpis", IDeklaracja2::Dispid::EDekl_StatusOpis),
        tlx::DispGet<&IDeklaracja2::get_EDekl_Podmiot>(u"EDekl_Podmiot", IDeklaracja2::Dispid::EDekl_Podmiot),
        tlx::DispPut<&IDeklaracja2::put_EDekl_Podmiot>(u"EDekl_Podmiot", IDeklaracja2::Dispid::EDekl_Podmiot),
        tlx::DispGet<&IDeklaracja2::get_EDekl_DokumentID>(u"EDekl_DokumentID", IDeklaracja2::Dispid::EDekl_DokumentID),
        tlx::DispPut<&IDeklaracja2::put_EDekl_DokumentID>(u"EDekl_DokumentID", IDeklaracja2::Dispid::EDekl_DokumentID),
        tlx::DispGet<&IDeklaracja2::get_EDekl_DataWplyniecia>(
            u"EDekl_DataWplyniecia", IDeklaracja2::Dispid::EDekl_DataWplyniecia),
        tlx::DispPut<&IDeklaracja2::put_EDekl_DataWplyniecia>(
            u"EDekl_DataWplyniecia", IDeklaracja2::Dispid::EDekl_DataWplyniecia),
        tlx::DispGet<&IDeklaracja2::get_EDekl_SkrotDokumentu>(
            u"EDekl_SkrotDokumentu", IDeklaracja2::Dispid::EDekl_SkrotDokumentu),
        tlx::DispPut<&IDeklaracja2::put_EDekl_SkrotDokumentu>(
            u"EDekl_SkrotDokumentu", IDeklaracja2::Dispid::EDekl_SkrotDokumentu),
        tlx::DispGet<&IDeklaracja2::get_EDekl_SkrotStruktury>(
            u"EDekl_SkrotStruktury", IDeklaracja2::Dispid::EDekl_SkrotStruktury),
        tlx::DispPut<&IDeklaracja2::put_EDekl_SkrotStruktury>(
            u"EDekl_SkrotStruktury", IDeklaracja2::Dispid::EDekl_SkrotStruktury),
        tlx::DispGet<&IDeklaracja2::get_EDekl_StrukturaLogiczna>(
            u"EDekl_StrukturaLogiczna", IDeklaracja2::Dispid::EDekl_StrukturaLogiczna),
        tlx::DispPut<&IDeklaracja2::put_EDekl_StrukturaLogiczna>(
            u"EDekl_StrukturaLogiczna", IDeklaracja2::Dispid::EDekl_StrukturaLogiczna),
        tlx::DispGet<&IDeklaracja2::get_EDekl_NIP1>(u"EDekl_NIP1", IDeklaracja2::Dispid::EDekl_NIP1),
        tlx::DispPut<&IDeklaracja2::put_EDekl_NIP1>(u"EDekl_NIP1", IDeklaracja2::Dispid::EDekl_NIP1),
        tlx::DispGet<&IDeklaracja2::get_EDekl_NIP2>(u"EDekl_NIP2", IDeklaracja2::Dispid::EDekl_NIP2),
        tlx::DispPut<&IDeklaracja2::put_EDekl_NIP2>(u"EDekl_NIP2", IDeklaracja2::Dispid::EDekl_NIP2),
        tlx::DispGet<&IDeklaracja2::get_EDekl_StempelCzasu>(
            u"EDekl_StempelCzasu", IDeklaracja2::Dispid::EDekl_StempelCzasu),
        tlx::DispPut<&IDeklaracja2::put_EDekl_StempelCzasu>(
            u"EDekl_StempelCzasu", IDeklaracja2::Dispid::EDekl_StempelCzasu),
        tlx::DispGet<&IDeklaracja2::get_EDekl_SigningTime>(
            u"EDekl_SigningTime", IDeklaracja2::Dispid::EDekl_SigningTime),
        tlx::DispPut<&IDeklaracja2::put_EDekl_SigningTime>(
            u"EDekl_SigningTime", IDeklaracja2::Dispid::EDekl_SigningTime),
        tlx::DispGet<&IDeklaracja2::get_EDekl_DataWyslania, VT_DATE>(
            u"EDekl_DataWyslania", IDeklaracja2::Dispid::EDekl_DataWyslania),
        tlx::DispPut<&IDeklaracja2::put_EDekl_DataWyslania, VT_DATE>(
            u"EDekl_DataWyslania", IDeklaracja2::Dispid::EDekl_DataWyslania),
        tlx::DispGet<&IDeklaracja2::get_EDekl_DataOdebraniaUPO, VT_DATE>(
            u"EDekl_DataOdebraniaUPO", IDeklaracja2::Dispid::EDekl_DataOdebraniaUPO),
        tlx::DispPut<&IDeklaracja2::put_EDekl_DataOdebraniaUPO, VT_DATE>(
            u"EDekl_DataOdebraniaUPO", IDeklaracja2::Dispid::EDekl_DataOdebraniaUPO),
        tlx::DispGet<&IDeklaracja2::get_EDekl_OperatorWysylajacy>(
            u"EDekl_OperatorWysylajacy", IDeklaracja2::Dispid::EDekl_OperatorWysylajacy),
        tlx::DispPut<&IDeklaracja2::put_EDekl_OperatorWysylajacy>(
            u"EDekl_OperatorWysylajacy", IDeklaracja2::Dispid::EDekl_OperatorWysylajacy),
        tlx::DispGet<&IDeklaracja2::get_EDekl_OperatorPobierajacyUPO>(
            u"EDekl_OperatorPobierajacyUPO", IDeklaracja2::Dispid::EDekl_OperatorPobierajacyUPO),
        tlx::DispPut<&IDeklaracja2::put_EDekl_OperatorPobierajacyUPO>(
            u"EDekl_OperatorPobierajacyUPO", IDeklaracja2::Dispid::EDekl_OperatorPobierajacyUPO),
        tlx::DispGet<&IDeklaracja2::get_EDekl_DataWyslaniaStr>(
            u"EDekl_DataWyslaniaStr", IDeklaracja2::Dispid::EDekl_DataWyslaniaStr),
        tlx::DispGet<&IDeklaracja2::get_EDekl_DataOdebraniaUPOStr>(
            u"EDekl_DataOdebraniaUPOStr", IDeklaracja2::Dispid::EDekl_DataOdebraniaUPOStr),
        tlx::DispGet<&IDeklaracja2::get_EDekl_OperatorWysylajacyKod>(
            u"EDekl_OperatorWysylajacyKod", IDeklaracja2::Dispid::EDekl_OperatorWysylajacyKod),
        tlx::DispGet<&IDeklaracja2::get_EDekl_OperatorPobierajacyUPOKod>(
            u"EDekl_OperatorPobierajacyUPOKod", IDeklaracja2::Dispid::EDekl_OperatorPobierajacyUPOKod),
        tlx::DispGet<&IDeklaracja2::get_EDekl_StatusPrzetwarzania>(
            u"EDekl_StatusPrzetwarzania", IDeklaracja2::Dispid::EDekl_StatusPrzetwarzania),
        tlx::DispMethod<&IDeklaracja2::WyczyscPolaEDeklaracji>(
            u"WyczyscPolaEDeklaracji", IDeklaracja2::Dispid::WyczyscPolaEDeklaracji),
        tlx::DispGet<&IDeklaracja2::get_EDekl_KodUrzedu>(u"EDekl_KodUrzedu", IDeklaracja2::Dispid::EDekl_KodUrzedu),
        tlx::DispPut<&IDeklaracja2::put_EDekl_KodUrzedu>(u"EDekl_KodUrzedu", IDeklaracja2::Dispid::EDekl_KodUrzedu),
        tlx::DispGet<&IDeklaracja2::get_Seryjna>(u"Seryjna", IDeklaracja2::Dispid::Seryjna),
        tlx::DispPut<&IDeklaracja2::put_Seryjna>(u"Seryjna", IDeklaracja2::Dispid::Seryjna),
        tlx::DispGet<&IDeklaracja2::get_RodzajAdresu>(u"RodzajAdresu", IDeklaracja2::Dispid::RodzajAdresu),
        tlx::DispPut<&IDeklaracja2::put_RodzajAdresu>(u"RodzajAdresu", IDeklaracja2::Dispid::RodzajAdresu),
        tlx::DispGet<&IDeklaracja2::get_Zatwierdzony>(u"Zatwierdzony", IDeklaracja2::Dispid::Zatwierdzony),
        tlx::DispGet<&IDeklaracja2::get_DekretLink>(u"DekretLink", IDeklaracja2::Dispid::DekretLink),
        tlx::DispPut<&IDeklaracja2::put_DekretLink>(u"DekretLink", IDeklaracja2::Dispid::DekretLink),
        tlx::DispMethod<&IDeklaracja2::Write2Log>(u"Write2Log", IDeklaracja2::Dispid::Write2Log),
        tlx::DispGet<&IDeklaracja2::get_Wartosc>(u"Wartosc", IDeklaracja2::Dispid::Wartosc),
        tlx::DispPut<&IDeklaracja2::put_Wartosc>(u"Wartosc", IDeklaracja2::Dispid::Wartosc),
        tlx::DispGet<&IDeklaracja2::get_Pole>(u"Pole", IDeklaracja2::Dispid::Pole),
        tlx::DispMethod<&IDeklaracja2::Policz>(u"Policz", IDeklaracja2::Dispid::Policz),
        tlx::DispMethod<&IDeklaracja2::InitializeClone>(u"InitializeClone", IDeklaracja2::Dispid::InitializeClone),
        tlx::DispMethod<&IDeklaracja2::ResetScript>(u"ResetScript", IDeklaracja2::Dispid::ResetScript),
        tlx::DispMethod<&IDeklaracja2::executeJS>(u"executeJS", IDeklaracja2::Dispid::executeJS),
        tlx::DispMethod<&IDeklaracja2::round>(u"round", IDeklaracja2::Dispid::round),
        tlx::DispMethod<&IDeklaracja2::ResyncKolekcje>(u"ResyncKolekcje", IDeklaracja2::Dispid::ResyncKolekcje),
        tlx::DispGet<&IDeklaracja2::get_KwotaCalkowita>(u"KwotaCalkowita", IDeklaracja2::Dispid::KwotaCalkowita),
        tlx::DispGet<&IDeklaracja2::get_Podmiot>(u"Podmiot", IDeklaracja2::Dispid::Podmiot),
        tlx::DispGet<&IDeklaracja2::get_DataDok, VT_DATE>(u"DataDok", IDeklaracja2::Dispid::DataDok),
        tlx::DispGet<&IDeklaracja2::get_Termin, VT_DATE>(u"Termin", IDeklaracja2::Dispid::Termin),
        tlx::DispGet<&IDeklaracja2::get_Opis>(u"Opis", IDeklaracja2::Dispid::Opis),
        tlx::DispGet<&IDeklaracja2::get_FormaPlatnosci>(u"FormaPlatnosci", IDeklaracja2::Dispid::FormaPlatnosci),
        tlx::DispPut<&IDeklaracja2::put_FormaPlatnosci>(u"FormaPlatnosci", IDeklaracja2::Dispid::FormaPlatnosci),
        tlx::DispMethod<&IDeklaracja2::UsunPracownika>(u"UsunPracownika", IDeklaracja2::Dispid::UsunPracownika),
        tlx::DispGet<&IDeklaracja2::get_PlatnoscDokumentu>(
            u"PlatnoscDokumentu", IDeklaracja2::Dispid::PlatnoscDokumentu),
        tlx::DispGet<&IDeklaracja2::get_Symbol>(u"Symbol", IDeklaracja2::Dispid::Symbol),
        tlx::DispGet<&IDeklaracja2::get_DefinicjaDokumentu>(
            u"DefinicjaDokumentu", IDeklaracja2::Dispid::DefinicjaDokumentu),
        tlx::DispGet<&IDeklaracja2::get_NumerPelny>(u"NumerPelny", IDeklaracja2::Dispid::NumerPelny),
        tlx::DispGet<&IDeklaracja2::get_NumerString>(u"NumerString", IDeklaracja2::Dispid::NumerString),
        tlx::DispGet<&IDeklaracja2::get_NumerNr>(u"NumerNr", IDeklaracja2::Dispid::NumerNr),
        tlx::DispGet<&IDeklaracja2::get_NumerObcy>(u"NumerObcy", IDeklaracja2::Dispid::NumerObcy),
        tlx::DispGet<&IDeklaracja2::get_PodAdres>(u"PodAdres", IDeklaracja2::Dispid::PodAdres),
        tlx::DispGet<&IDeklaracja2::get_Kategoria>(u"Kategoria", IDeklaracja2::Dispid::Kategoria),
        tlx::DispGet<&IDeklaracja2::get_Stan>(u"Stan", IDeklaracja2::Dispid::Stan),
        tlx::DispGet<&IDeklaracja2::get_KwotaCalkowitaSys>(
            u"KwotaCalkowitaSys", IDeklaracja2::Dispid::KwotaCalkowitaSys),
        tlx::DispGet<&IDeklaracja2::get_Waluta>(u"Waluta", IDeklaracja2::Dispid::Waluta),
        tlx::DispGet<&IDeklaracja2::get_TypKursuWaluty>(u"TypKursuWaluty", IDeklaracja2::Dispid::TypKursuWaluty),
        tlx::DispGet<&IDeklaracja2::get_KursL>(u"KursL", IDeklaracja2::Dispid::KursL),
        tlx::DispGet<&IDeklaracja2::get_KursM>(u"KursM", IDeklaracja2::Dispid::KursM),
        tlx::DispGet<&IDeklaracja2::get_CustomCollection01>(
            u"CustomCollection01", IDeklaracja2::Dispid::CustomCollection01),
        tlx::DispGet<&IDeklaracja2::get_CustomCollection02>(
            u"CustomCollection02", IDeklaracja2::Dispid::CustomCollection02),
        tlx::DispGet<&IDeklaracja2::get_CustomCollection03>(
            u"CustomCollection03", IDeklaracja2::Dispid::CustomCollection03),
        tlx::DispGet<&IDeklaracja2::get_CustomCollection04>(
            u"CustomCollection04", IDeklaracja2::Dispid::CustomCollection04),
        tlx::DispGet<&IDeklaracja2::get_CustomCollection05>(
            u"CustomCollection05", IDeklaracja2::Dispid::CustomCollection05),
        tlx::DispGet<&IDeklaracja2::get_CustomCollection06>(
            u"CustomCollection06", IDeklaracja2::Dispid::CustomCollection06),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IDekStrona*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispMethod<&IDekStrona::InitializeParent>(u"InitializeParent", IDekStrona::Dispid::InitializeParent),
        tlx::DispGet<&IDekStrona::get_Lp>(u"Lp", IDekStrona::Dispid::Lp),
        tlx::DispPut<&IDekStrona::put_Lp>(u"Lp", IDekStrona::Dispid::Lp),
        tlx::DispGet<&IDekStrona::get_Tekst>(u"Tekst", IDekStrona::Dispid::Tekst),
        tlx::DispPut<&IDekStrona::put_Tekst>(u"Tekst", IDekStrona::Dispid::Tekst),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IDekElement*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispMethod<&IDekElement::InitializeParent>(u"InitializeParent", IDekElement::Dispid::InitializeParent),
        tlx::DispGet<&IDekElement::get_Nazwa>(u"Nazwa", IDekElement::Dispid::Nazwa),
        tlx::DispGet<&IDekElement::get_Wartosc>(u"Wartosc", IDekElement::Dispid::Wartosc),
        tlx::DispPut<&IDekElement::put_Wartosc>(u"Wartosc", IDekElement::Dispid::Wartosc),
        tlx::DispGet<&IDekElement::get_Numer>(u"Numer", IDekElement::Dispid::Numer),
        tlx::DispPut<&IDekElement::put_Numer>(u"Numer", IDekElement::Dispid::Numer),
        tlx::DispGet<&IDekElement::get_WartoscL>(u"WartoscL", IDekElement::Dispid::WartoscL),
        tlx::DispGet<&IDekElement::get_WartoscM>(u"WartoscM", IDekElement::Dispid::WartoscM),
        tlx::DispGet<&IDekElement::get_WartoscTekst>(u"WartoscTekst", IDekElement::Dispid::WartoscTekst),
        tlx::DispGet<&IDekElement::get_Typ>(u"Typ", IDekElement::Dispid::Typ),
        tlx::DispGet<&IDekElement::get_Opis>(u"Opis", IDekElement::Dispid::Opis),
        tlx::DispGet<&IDekElement::get_Pusty>(u"Pusty", IDekElement::Dispid::Pusty),
        tlx::DispGet<&IDekElement::get_Info>(u"Info", IDekElement::Dispid::Info),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IDekWydruk*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispMethod<&IDekWydruk::InitializeParent>(u"InitializeParent", IDekWydruk::Dispid::InitializeParent),
        tlx::DispGet<&IDekWydruk::get_Rubryka>(u"Rubryka", IDekWydruk::Dispid::Rubryka),
        tlx::DispPut<&IDekWydruk::put_Rubryka>(u"Rubryka", IDekWydruk::Dispid::Rubryka),
        tlx::DispGet<&IDekWydruk::get_SubRubryka>(u"SubRubryka", IDekWydruk::Dispid::SubRubryka),
        tlx::DispPut<&IDekWydruk::put_SubRubryka>(u"SubRubryka", IDekWydruk::Dispid::SubRubryka),
        tlx::DispGet<&IDekWydruk::get_Wartosc>(u"Wartosc", IDekWydruk::Dispid::Wartosc),
        tlx::DispPut<&IDekWydruk::put_Wartosc>(u"Wartosc", IDekWydruk::Dispid::Wartosc),
        tlx::DispGet<&IDekWydruk::get_Opis>(u"Opis", IDekWydruk::Dispid::Opis),
        tlx::DispPut<&IDekWydruk::put_Opis>(u"Opis", IDekWydruk::Dispid::Opis),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IDekPdf*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispGet<&IDekPdf::get_ZrodloID>(u"ZrodloID", IDekPdf::Dispid::ZrodloID),
        tlx::DispPut<&IDekPdf::put_ZrodloID>(u"ZrodloID", IDekPdf::Dispid::ZrodloID),
        tlx::DispGet<&IDekPdf::get_RpWID>(u"RpWID", IDekPdf::Dispid::RpWID),
        tlx::DispPut<&IDekPdf::put_RpWID>(u"RpWID", IDekPdf::Dispid::RpWID),
        tlx::DispGet<&IDekPdf::get_RpFID>(u"RpFID", IDekPdf::Dispid::RpFID),
        tlx::DispPut<&IDekPdf::put_RpFID>(u"RpFID", IDekPdf::Dispid::RpFID),
        tlx::DispGet<&IDekPdf::get_Rozmiar>(u"Rozmiar", IDekPdf::Dispid::Rozmiar),
        tlx::DispPut<&IDekPdf::put_Rozmiar>(u"Rozmiar", IDekPdf::Dispid::Rozmiar),
        tlx::DispGet<&IDekPdf::get_DokumentTyp>(u"DokumentTyp", IDekPdf::Dispid::DokumentTyp),
        tlx::DispPut<&IDekPdf::put_DokumentTyp>(u"DokumentTyp", IDekPdf::Dispid::DokumentTyp),
        tlx::DispGet<&IDekPdf::get_DokumentID>(u"DokumentID", IDekPdf::Dispid::DokumentID),
        tlx::DispPut<&IDekPdf::put_DokumentID>(u"DokumentID", IDekPdf::Dispid::DokumentID),
        tlx::DispMethod<&IDekPdf::DodajPlik>(u"DodajPlik", IDekPdf::Dispid::DodajPlik),
        tlx::DispMethod<&IDekPdf::PobierzWartosc>(u"PobierzWartosc", IDekPdf::Dispid::PobierzWartosc),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IVatZd*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispMethod<&IVatZd::InitializeParent>(u"InitializeParent", IVatZd::Dispid::InitializeParent),
        tlx::DispGet<&IVatZd::get_VaNId>(u"VaNId", IVatZd::Dispid::VaNId),
        tlx::DispPut<&IVatZd::put_VaNId>(u"VaNId", IVatZd::Dispid::VaNId),
        tlx::DispGet<&IVatZd::get_TrNId>(u"TrNId", IVatZd::Dispid::TrNId),
        tlx::DispPut<&IVatZd::put_TrNId>(u"TrNId", IVatZd::Dispid::TrNId),
        tlx::DispGet<&IVatZd::get_Typ>(u"Typ", IVatZd::Dispid::Typ),
        tlx::DispPut<&IVatZd::put_Typ>(u"Typ", IVatZd::Dispid::Typ),
        tlx::DispGet<&IVatZd::get_DkNId>(u"DkNId", IVatZd::Dispid::DkNId),
        tlx::DispPut<&IVatZd::put_DkNId>(u"DkNId", IVatZd::Dispid::DkNId),
        tlx::DispGet<&IVatZd::get_NazwaKontrahenta1>(u"NazwaKontrahenta1", IVatZd::Dispid::NazwaKontrahenta1),
        tlx::DispPut<&IVatZd::put_NazwaKontrahenta1>(u"NazwaKontrahenta1", IVatZd::Dispid::NazwaKontrahenta1),
        tlx::DispGet<&IVatZd::get_NazwaKontrahenta2>(u"NazwaKontrahenta2", IVatZd::Dispid::NazwaKontrahenta2),
        tlx::DispPut<&IVatZd::put_NazwaKontrahenta2>(u"NazwaKontrahenta2", IVatZd::Dispid::NazwaKontrahenta2),
        tlx::DispGet<&IVatZd::get_NazwaKontrahenta3>(u"NazwaKontrahenta3", IVatZd::Dispid::NazwaKontrahenta3),
        tlx::DispPut<&IVatZd::put_NazwaKontrahenta3>(u"NazwaKontrahenta3", IVatZd::Dispid::NazwaKontrahenta3),
        tlx::DispGet<&IVatZd::get_NIP>(u"NIP", IVatZd::Dispid::NIP),
        tlx::DispPut<&IVatZd::put_NIP>(u"NIP", IVatZd::Dispid::NIP),
        tlx::DispGet<&IVatZd::get_Dokument>(u"Dokument", IVatZd::Dispid::Dokument),
        tlx::DispPut<&IVatZd::put_Dokument>(u"Dokument", IVatZd::Dispid::Dokument),
        tlx::DispGet<&IVatZd::get_DataWystawienia, VT_DATE>(u"DataWystawienia", IVatZd::Dispid::DataWystawienia),
        tlx::DispPut<&IVatZd::put_DataWystawienia, VT_DATE>(u"DataWystawienia", IVatZd::Dispid::DataWystawienia),
        tlx::DispGet<&IVatZd::get_TerminRealizacji, VT_DATE>(u"TerminRealizacji", IVatZd::Dispid::TerminRealizacji),
        tlx::DispPut<&IVatZd::put_TerminRealizacji, VT_DATE>(u"TerminRealizacji", IVatZd::Dispid::TerminRealizacji),
        tlx::DispGet<&IVatZd::get_RazemNetto>(u"RazemNetto", IVatZd::Dispid::RazemNetto),
        tlx::DispPut<&IVatZd::put_RazemNetto>(u"RazemNetto", IVatZd::Dispid::RazemNetto),
        tlx::DispGet<&IVatZd::get_RazemVAT>(u"RazemVAT", IVatZd::Dispid::RazemVAT),
        tlx::DispPut<&IVatZd::put_RazemVAT>(u"RazemVAT", IVatZd::Dispid::RazemVAT),
        tlx::DispGet<&IVatZd::get_RazemBrutto>(u"RazemBrutto", IVatZd::Dispid::RazemBrutto),
        tlx::DispPut<&IVatZd::put_RazemBrutto>(u"RazemBrutto", IVatZd::Dispid::RazemBrutto),
        tlx::DispGet<&IVatZd::get_RodzajZakupu>(u"RodzajZakupu", IVatZd::Dispid::RodzajZakupu),
        tlx::DispPut<&IVatZd::put_RodzajZakupu>(u"RodzajZakupu", IVatZd::Dispid::RodzajZakupu),
        tlx::DispGet<&IVatZd::get_Odliczenia>(u"Odliczenia", IVatZd::Dispid::Odliczenia),
        tlx::DispPut<&IVatZd::put_Odliczenia>(u"Odliczenia", IVatZd::Dispid::Odliczenia),
        tlx::DispGet<&IVatZd::get_Flaga>(u"Flaga", IVatZd::Dispid::Flaga),
        tlx::DispPut<&IVatZd::put_Flaga>(u"Flaga", IVatZd::Dispid::Flaga),
        tlx::DispGet<&IVatZd::get_Stawka>(u"Stawka", IVatZd::Dispid::Stawka),
        tlx::DispPut<&IVatZd::put_Stawka>(u"Stawka", IVatZd::Dispid::Stawka),
        tlx::DispGet<&IVatZd::get_Netto>(u"Netto", IVatZd::Dispid::Netto),
        tlx::DispPut<&IVatZd::put_Netto>(u"Netto", IVatZd::Dispid::Netto),
        tlx::DispGet<&IVatZd::get_VAT>(u"VAT", IVatZd::Dispid::VAT),
        tlx::DispPut<&IVatZd::put_VAT>(u"VAT", IVatZd::Dispid::VAT),
        tlx::DispGet<&IVatZd::get_Brutto>(u"Brutto", IVatZd::Dispid::Brutto),
        tlx::DispPut<&IVatZd::put_Brutto>(u"Brutto", IVatZd::Dispid::Brutto),
        tlx::DispGet<&IVatZd::get_SumaKwotZdarzen>(u"SumaKwotZdarzen", IVatZd::Dispid::SumaKwotZdarzen),
        tlx::DispPut<&IVatZd::put_SumaKwotZdarzen>(u"SumaKwotZdarzen", IVatZd::Dispid::SumaKwotZdarzen),
        tlx::DispGet<&IVatZd::get_SumaKwotRozliczen>(u"SumaKwotRozliczen", IVatZd::Dispid::SumaKwotRozliczen),
        tlx::DispPut<&IVatZd::put_SumaKwotRozliczen>(u"SumaKwotRozliczen", IVatZd::Dispid::SumaKwotRozliczen),
        tlx::DispGet<&IVatZd::get_KorektaNetto>(u"KorektaNetto", IVatZd::Dispid::KorektaNetto),
        tlx::DispPut<&IVatZd::put_KorektaNetto>(u"KorektaNetto", IVatZd::Dispid::KorektaNetto),
        tlx::DispGet<&IVatZd::get_KorektaVAT>(u"KorektaVAT", IVatZd::Dispid::KorektaVAT),
        tlx::DispPut<&IVatZd::put_KorektaVAT>(u"KorektaVAT", IVatZd::Dispid::KorektaVAT),
        tlx::DispGet<&IVatZd::get_RodzajZakupuAsText>(u"RodzajZakupuAsText", IVatZd::Dispid::RodzajZakupuAsText),
        tlx::DispGet<&IVatZd::get_OdliczeniaAsText>(u"OdliczeniaAsText", IVatZd::Dispid::OdliczeniaAsText),
        tlx::DispGet<&IVatZd::get_StawkaAsText>(u"StawkaAsText", IVatZd::Dispid::StawkaAsText),
        tlx::DispGet<&IVatZd::get_DoRoliczeniaNaDzienObliczenia>(
            u"DoRoliczeniaNaDzienObliczenia", IVatZd::Dispid::DoRoliczeniaNaDzienObliczenia),
        tlx::DispPut<&IVatZd::put_DoRoliczeniaNaDzienObliczenia>(
            u"DoRoliczeniaNaDzienObliczenia", IVatZd::Dispid::DoRoliczeniaNaDzienObliczenia),
        tlx::DispGet<&IVatZd::get_RoliczonoNaDzienObliczenia>(
            u"RoliczonoNaDzienObliczenia", IVatZd::Dispid::RoliczonoNaDzienObliczenia),
        tlx::DispPut<&IVatZd::put_RoliczonoNaDzienObliczenia>(
            u"RoliczonoNaDzienObliczenia", IVatZd::Dispid::RoliczonoNaDzienObliczenia),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IVat27*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispMethod<&IVat27::InitializeParent>(u"InitializeParent", IVat27::Dispid::InitializeParent),
        tlx::DispGet<&IVat27::get_DkNId>(u"DkNId", IVat27::Dispid::DkNId),
        tlx::DispPut<&IVat27::put_DkNId>(u"DkNId", IVat27::Dispid::DkNId),
        tlx::DispGet<&IVat27::get_kwota>(u"kwota", IVat27::Dispid::kwota),
        tlx::DispPut<&IVat27::put_kwota>(u"kwota", IVat27::Dispid::kwota),
        tlx::DispGet<&IVat27::get_Lp>(u"Lp", IVat27::Dispid::Lp),
        tlx::DispPut<&IVat27::put_Lp>(u"Lp", IVat27::Dispid::Lp),
        tlx::DispGet<&IVat27::get_NIP>(u"NIP", IVat27::Dispid::NIP),
        tlx::DispPut<&IVat27::put_NIP>(u"NIP", IVat27::Dispid::NIP),
        tlx::DispGet<&IVat27::get_Nazwa>(u"Nazwa", IVat27::Dispid::Nazwa),
        tlx::DispPut<&IVat27::put_Nazwa>(u"Nazwa", IVat27::Dispid::Nazwa),
        tlx::DispGet<&IVat27::get_Numer>(u"Numer", IVat27::Dispid::Numer),
        tlx::DispPut<&IVat27::put_Numer>(u"Numer", IVat27::Dispid::Numer),
        tlx::DispGet<&IVat27::get_Typ>(u"Typ", IVat27::Dispid::Typ),
        tlx::DispPut<&IVat27::put_Typ>(u"Typ", IVat27::Dispid::Typ),
        tlx::DispGet<&IVat27::get_Zmiana>(u"Zmiana", IVat27::Dispid::Zmiana),
        tlx::DispPut<&IVat27::put_Zmiana>(u"Zmiana", IVat27::Dispid::Zmiana),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IDeklZaklad*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispGet<&IDeklZaklad::get_Stempel>(u"Stempel", IDeklZaklad::Dispid::Stempel),
        tlx::DispGet<&IDeklZaklad::get_NazwaPelna>(u"NazwaPelna", IDeklZaklad::Dispid::NazwaPelna),
        tlx::DispPut<&IDeklZaklad::put_NazwaPelna>(u"NazwaPelna", IDeklZaklad::Dispid::NazwaPelna),
        tlx::DispGet<&IDeklZaklad::get_NazwaSkrocona>(u"NazwaSkrocona", IDeklZaklad::Dispid::NazwaSkrocona),
        tlx::DispPut<&IDeklZaklad::put_NazwaSkrocona>(u"NazwaSkrocona", IDeklZaklad::Dispid::NazwaSkrocona),
        tlx::DispGet<&IDeklZaklad::get_NIP>(u"NIP", IDeklZaklad::Dispid::NIP),
        tlx::DispPut<&IDeklZaklad::put_NIP>(u"NIP", IDeklZaklad::Dispid::NIP),
        tlx::DispGet<&IDeklZaklad::get_REGON>(u"REGON", IDeklZaklad::Dispid::REGON),
        tlx::DispPut<&IDeklZaklad::put_REGON>(u"REGON", IDeklZaklad::Dispid::REGON),
        tlx::DispGet<&IDeklZaklad::get_LiczbaZatrudnionych>(
            u"LiczbaZatrudnionych", IDeklZaklad::Dispid::LiczbaZatrudnionych),
        tlx::DispPut<&IDeklZaklad::put_LiczbaZatrudnionych>(
            u"LiczbaZatrudnionych", IDeklZaklad::Dispid::LiczbaZatrudnionych),
        tlx::DispGet<&IDeklZaklad::get_DataRozpDzial, VT_DATE>(u"DataRozpDzial", IDeklZaklad::Dispid::DataRozpDzial),
        tlx::DispPut<&IDeklZaklad::put_DataRozpDzial, VT_DATE>(u"DataRozpDzial", IDeklZaklad::Dispid::DataRozpDzial),
        tlx::DispGet<&IDeklZaklad::get_Kraj>(u"Kraj", IDeklZaklad::Dispid::Kraj),
        tlx::DispPut<&IDeklZaklad::put_Kraj>(u"Kraj", IDeklZaklad::Dispid::Kraj),
        tlx::DispGet<&IDeklZaklad::get_Wojewodztwo>(u"Wojewodztwo", IDeklZaklad::Dispid::Wojewodztwo),
        tlx::DispPut<&IDeklZaklad::put_Wojewodztwo>(u"Wojewodztwo", IDeklZaklad::Dispid::Wojewodztwo),
        tlx::DispGet<&IDeklZaklad::get_Powiat>(u"Powiat", IDeklZaklad::Dispid::Powiat),
        tlx::DispPut<&IDeklZaklad::put_Powiat>(u"Powiat", IDeklZaklad::Dispid::Powiat),
        tlx::DispGet<&IDeklZaklad::get_Gmina>(u"Gmina", IDeklZaklad::Dispid::Gmina),
        tlx::DispPut<&IDeklZaklad::put_Gmina>(u"Gmina", IDeklZaklad::Dispid::Gmina),
        tlx::DispGet<&IDeklZaklad::get_KodGminy>(u"KodGminy", IDeklZaklad::Dispid::KodGminy),
        tlx::DispPut<&IDeklZaklad::put_KodGminy>(u"KodGminy", IDeklZaklad::Dispid::KodGminy),
        tlx::DispGet<&IDeklZaklad::get_Ulica>(u"Ulica", IDeklZaklad::Dispid::Ulica),
        tlx::DispPut<&IDeklZaklad::put_Ulica>(u"Ulica", IDeklZaklad::Dispid::Ulica),
        tlx::DispGet<&IDeklZaklad::get_NrDomu>(u"NrDomu", IDeklZaklad::Dispid::NrDomu),
        tlx::DispPut<&IDeklZaklad::put_NrDomu>(u"NrDomu", IDeklZaklad::Dispid::NrDomu),
        tlx::DispGet<&IDeklZaklad::get_NrLokalu>(u"NrLokalu", IDeklZaklad::Dispid::NrLokalu),
        tlx::DispPut<&IDeklZaklad::put_NrLokalu>(u"NrLokalu", IDeklZaklad::Dispid::NrLokalu),
        tlx::DispGet<&IDeklZaklad::get_Miasto>(u"Miasto", IDeklZaklad::Dispid::Miasto),
        tlx::DispPut<&IDeklZaklad::put_Miasto>(u"Miasto", IDeklZaklad::Dispid::Miasto),
        tlx::DispGet<&IDeklZaklad::get_KodP>(u"KodP", IDeklZaklad::Dispid::KodP),
        tlx::DispPut<&IDeklZaklad::put_KodP>(u"KodP", IDeklZaklad::Dispid::KodP),
        tlx::DispGet<&IDeklZaklad::get_Poczta>(u"Poczta", IDeklZaklad::Dispid::Poczta),
        tlx::DispPut<&IDeklZaklad::put_Poczta>(u"Poczta", IDeklZaklad::Dispid::Poczta),
        tlx::DispGet<&IDeklZaklad::get_Nieaktywny>(u"Nieaktywny", IDeklZaklad::Dispid::Nieaktywny),
        tlx::DispPut<&IDeklZaklad::put_Nieaktywny>(u"Nieaktywny", IDeklZaklad::Dispid::Nieaktywny),
        tlx::DispGet<&IDeklZaklad::get_UwzgledniajNaCITST>(
            u"UwzgledniajNaCITST", IDeklZaklad::Dispid::UwzgledniajNaCITST),
        tlx::DispPut<&IDeklZaklad::put_UwzgledniajNaCITST>(
            u"UwzgledniajNaCITST", IDeklZaklad::Dispid::UwzgledniajNaCITST),
        tlx::DispGet<&IDeklZaklad::get_UwzgledniajNaCITSTA>(
            u"UwzgledniajNaCITSTA", IDeklZaklad::Dispid::UwzgledniajNaCITSTA),
        tlx::DispPut<&IDeklZaklad::put_UwzgledniajNaCITSTA>(
            u"UwzgledniajNaCITSTA", IDeklZaklad::Dispid::UwzgledniajNaCITSTA),
    }};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(ISerwisDeklaracji*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<ISimpleObjectHead*>(nullptr)), {
        tlx::DispGet<&ISerwisDeklaracji::get_Firma>(u"Firma", ISerwisDeklaracji::Dispid::Firma),
        tlx::DispGet<&ISerwisDeklaracji::get_ModulPlace>(u"ModulPlace", ISerwisDeklaracji::Dispid::ModulPlace),
        tlx::DispGet<&ISerwisDeklaracji::get_Program>(u"Program", ISerwisDeklaracji::Dispid::Program),
        tlx::DispGet<&ISerwisDeklaracji::get_DefinicjaDokumentu>(
            u"DefinicjaDokumentu", ISerwisDeklaracji::Dispid::DefinicjaDokumentu),
        tlx::DispGet<&ISerwisDeklaracji::get_FormaPlatnosci>(
            u"FormaPlatnosci", ISerwisDeklaracji::Dispid::FormaPlatnosci),
        tlx::DispGet<&ISerwisDeklaracji::get_PolaczenieObce>(
            u"PolaczenieObce", ISerwisDeklaracji::Dispid::PolaczenieObce),
        tlx::DispPut<&ISerwisDeklaracji::put_PolaczenieObce>(
            u"PolaczenieObce", ISerwisDeklaracji::Dispid::PolaczenieObce),
        tlx::DispGet<&ISerwisDeklaracji::get_ConnectionString>(
            u"ConnectionString", ISerwisDeklaracji::Dispid::ConnectionString),
        tlx::DispPut<&ISerwisDeklaracji::put_ConnectionString>(
            u"ConnectionString", ISerwisDeklaracji::Dispid::ConnectionString),
        tlx::DispGet<&ISerwisDeklaracji::get_TypDeklaracji>(u"TypDeklaracji", ISerwisDeklaracji::Dispid::TypDeklaracji),
        tlx::DispPut<&ISerwisDeklaracji::put_TypDeklaracji>(u"TypDeklaracji", ISerwisDeklaracji::Dispid::TypDeklaracji),
        tlx::DispGet<&ISerwisDeklaracji::get_WersjaDeklaracji>(
            u"WersjaDeklaracji", ISerwisDeklaracji::Dispid::WersjaDeklaracji),
        tlx::DispPut<&ISerwisDeklaracji::put_WersjaDeklaracji>(
            u"WersjaDeklaracji", ISerwisDeklaracji::Dispid::WersjaDeklaracji),
        tlx::DispGet<&ISerwisDeklaracji::get_DeklaracjaKwartalna>(
            u"DeklaracjaKwartalna", ISerwisDeklaracji::Dispid::DeklaracjaKwartalna),
        tlx::DispPut<&ISerwisDeklaracji::put_DeklaracjaKwartalna>(
            u"DeklaracjaKwartalna", ISerwisDeklaracji::Dispid::DeklaracjaKwartalna),
        tlx::DispMethod<&ISerwisDeklaracji::Dzis>(u"Dzis", ISerwisDeklaracji::Dispid::Dzis),
        tlx::DispMethod<&ISerwisDeklaracji::DochodPodatnika>(
            u"DochodPodatnika", ISerwisDeklaracji::Dispid::DochodPodatnika),
        tlx::DispMethod<&ISerwisDeklaracji::NumerString>(u"NumerString", ISerwisDeklaracji::Dispid::NumerString),
        tlx::DispMethod<&ISerwisDeklaracji::NumerPelny>(u"NumerPelny", ISerwisDeklaracji::Dispid::NumerPelny),
        tlx::DispMethod<&ISerwisDeklaracji::DaneCIT2>(u"DaneCIT2", ISerwisDeklaracji::Dispid::DaneCIT2),
        tlx::DispMethod<&ISerwisDeklaracji::PobierzKwoty>(u"PobierzKwoty", ISerwisDeklaracji::Dispid::PobierzKwoty),
        tlx::DispMethod<&ISerwisDeklaracji::PobierzKwotyEx>(
            u"PobierzKwotyEx", ISerwisDeklaracji::Dispid::PobierzKwotyEx),
    }};
    return table;
}
