// Dispatch tables of the host's dual interfaces: the names and DISPIDs under which scripts reach them
// (see platform/com/Dispatch.h). ICollection's Item is the default member (DISPID 0), so a script may
// write coll(0) for coll.Item(0); _NewEnum is DISPID_NEWENUM for the scripts' Enumerator.
#pragma once

#include "hostapi/Accounting.h"
#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Employees.h"
#include "hostapi/HostObjects.h"
#include "hostapi/IncomeData.h"
#include "hostapi/Login.h"
#include "hostapi/Session.h"
#include "platform/ado/Ado.h"
#include "platform/com/Dispatch.h"

inline const tlx::DispatchTable& DispatchTableOf(ISessionReference*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ISessionReference::GetSession>(u"GetSession", 1),
        tlx::DispMethod<&ISessionReference::GetObject>(u"GetObject", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ISession*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ISession::CreateObject>(u"CreateObject", 1, 1),
        tlx::DispMethod<&ISession::GetReference>(u"GetReference", 2, 0),
        tlx::DispMethod<&ISession::Prepare>(u"Prepare", 3),
        tlx::DispMethod<&ISession::SaveChanges>(u"SaveChanges", 4),
        tlx::DispMethod<&ISession::SaveChanges>(u"Save", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ISession2*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ISession2::CreateObject>(u"CreateObject", 1, 1),
        tlx::DispMethod<&ISession2::OpenObject>(u"OpenObject", 2),
        tlx::DispMethod<&ISession2::OpenObject>(u"CreateFiltered", 3),
        tlx::DispGet<&ISession2::get_Connection>(u"Connection", 4),
        tlx::DispGet<&ISession2::get_ConfigConnection>(u"ConfigConnection", 5),
        tlx::DispGet<&ISession2::get_Login>(u"Login", 6),
        tlx::DispMethod<&ISession2::Save>(u"Save", 7),
        tlx::DispMethod<&ISession2::GetObjectReference>(u"GetObjectReference", 8),
        tlx::DispMethod<&ISession2::AddObject>(u"AddObject", 9),
        tlx::DispMethod<&ISession2::RemoveObject>(u"RemoveObject", 10),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IOperatorObject*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IOperatorObject::GetToday, VT_DATE>(u"GetToday", 1),
        tlx::DispMethod<&IOperatorObject::IsRemoteSession>(u"IsRemoteSession", 2),
        tlx::DispMethod<&IOperatorObject::OperatorType>(u"OperatorType", 3),
        tlx::DispGet<&IOperatorObject::get_ID>(u"ID", 4),
        tlx::DispGet<&IOperatorObject::get_Kod>(u"Kod", 5),
        tlx::DispMethod<&IOperatorObject::GetEntry>(u"GetEntry", 6),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IBazaFirmy*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IBazaFirmy::get_Nazwa>(u"Nazwa", 1),
        tlx::DispGet<&IBazaFirmy::get_Connection>(u"Connection", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ILoginContext*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ILoginContext::GetName>(u"GetName", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ILogin*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ILogin::CreateSession>(u"CreateSession", 1),
        tlx::DispMethod<&ILogin::CreateObject>(u"CreateObject", 2),
        tlx::DispMethod<&ILogin::GetOperatorObject>(u"GetOperatorObject", 3),
        tlx::DispMethod<&ILogin::IsModuleAvailable>(u"IsModuleAvailable", 4),
        tlx::DispMethod<&ILogin::GetContext>(u"GetContext", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IApplication*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IApplication::GetObjectSession>(u"GetObjectSession", 1),
        tlx::DispMethod<&IApplication::GetLogin>(u"GetLogin", 2),
        tlx::DispGet<&IApplication::GetLogin>(u"Login", 3),
        tlx::DispMethod<&IApplication::GetErrorText>(u"GetErrorText", 4, 1),
        tlx::DispMethod<&IApplication::CopyRecord>(u"CopyRecord", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IParametr*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IParametr::get_Value>(u"Value", 0),
        tlx::DispGet<&IParametr::get_DataOd, VT_DATE>(u"DataOd", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKonfiguracja*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IKonfiguracja::GetValue>(u"GetValue", 1),
        tlx::DispMethod<&IKonfiguracja::GetParametr, VT_DATE>(u"GetParametr", 2),
    };
    return table;
}

// Both collection interfaces list the ICollection members first, under the same DISPIDs.
#define TLX_COLLECTION_MEMBERS(I)                                                  \
    tlx::DispGet<&I::get__NewEnum>(u"_NewEnum", DISPID_NEWENUM),                   \
        tlx::DispMethod<&I::Item>(u"Item", DISPID_VALUE, 0),                       \
        tlx::DispGet<&I::get_Count>(u"Count", 1), tlx::DispMethod<&I::AddNew>(u"AddNew", 2, 0), \
        tlx::DispMethod<&I::Delete>(u"Delete", 3), tlx::DispMethod<&I::Delete>(u"Remove", 4), \
        tlx::DispMethod<&I::Resync>(u"Resync", 5, 0)

inline const tlx::DispatchTable& DispatchTableOf(ICollection*) {
    static const tlx::DispatchTable table{TLX_COLLECTION_MEMBERS(ICollection)};
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IAdoCollection*) {
    static const tlx::DispatchTable table{
        TLX_COLLECTION_MEMBERS(IAdoCollection),
        tlx::DispPutRef<&IAdoCollection::putref_Collection>(u"Collection", 6),
        tlx::DispGet<&IAdoCollection::get_ParentObject>(u"ParentObject", 7),
        tlx::DispGet<&IAdoCollection::get_IdColumn>(u"IdColumn", 8),
        tlx::DispGet<&IAdoCollection::get_Recordset>(u"Recordset", 9),
        tlx::DispMethod<&IAdoCollection::CloneFromRecordset>(u"CloneFromRecordset", 10),
        tlx::DispGet<&IAdoCollection::get_Filter>(u"Filter", 11),
        tlx::DispPut<&IAdoCollection::put_Filter>(u"Filter", 11),
        tlx::DispGet<&IAdoCollection::get_Sort>(u"Sort", 12),
        tlx::DispPut<&IAdoCollection::put_Sort>(u"Sort", 12),
    };
    return table;
}
#undef TLX_COLLECTION_MEMBERS

inline const tlx::DispatchTable& DispatchTableOf(IHostEnumerator*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IHostEnumerator::Initialize>(u"Initialize", 1),
        tlx::DispMethod<&IHostEnumerator::IsEnd>(u"IsEnd", 2),
        tlx::DispGet<&IHostEnumerator::get_Current>(u"Current", 3),
        tlx::DispMethod<&IHostEnumerator::MoveNext>(u"MoveNext", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IStempel*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IStempel::get_OpeZalID>(u"OpeZalID", 1),
        tlx::DispGet<&IStempel::get_TS_Zal, VT_DATE>(u"TS_Zal", 2),
        tlx::DispGet<&IStempel::get_OpeModID>(u"OpeModID", 3),
        tlx::DispGet<&IStempel::get_TS_Mod, VT_DATE>(u"TS_Mod", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IUrzad*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IUrzad::get_ID>(u"ID", 1),
        tlx::DispGet<&IUrzad::get_Kod>(u"Kod", 2),
        tlx::DispGet<&IUrzad::get_Nazwa1>(u"Nazwa1", 3),
        tlx::DispGet<&IUrzad::get_Nazwa2>(u"Nazwa2", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPlatnosc*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPlatnosc::get_Termin, VT_DATE>(u"Termin", 1),
        tlx::DispPut<&IPlatnosc::put_Termin, VT_DATE>(u"Termin", 1),
        tlx::DispGet<&IPlatnosc::get_Dokument>(u"Dokument", 2),
        tlx::DispPutRef<&IPlatnosc::putref_Dokument>(u"Dokument", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IFormaPlatnosci*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IFormaPlatnosci::get_ID>(u"ID", 1),
        tlx::DispGet<&IFormaPlatnosci::get_Nazwa>(u"Nazwa", 2),
        tlx::DispGet<&IFormaPlatnosci::get_Termin>(u"Termin", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IDefinicjaDokumentu*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDefinicjaDokumentu::get_ID>(u"ID", 1),
        tlx::DispGet<&IDefinicjaDokumentu::get_Klasa>(u"Klasa", 2),
        tlx::DispGet<&IDefinicjaDokumentu::get_Symbol>(u"Symbol", 3),
        tlx::DispGet<&IDefinicjaDokumentu::get_Nazwa>(u"Nazwa", 4),
        tlx::DispGet<&IDefinicjaDokumentu::get_Numeracja>(u"Numeracja", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWaluta*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWaluta::get_ID>(u"ID", 1),
        tlx::DispGet<&IWaluta::get_Symbol>(u"Symbol", 2),
        tlx::DispGet<&IWaluta::get_Nazwa>(u"Nazwa", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPodAdres*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPodAdres::get_Street>(u"Street", 1),
        tlx::DispGet<&IPodAdres::get_HouseNumber>(u"HouseNumber", 2),
        tlx::DispGet<&IPodAdres::get_FlatNumber>(u"FlatNumber", 3),
        tlx::DispGet<&IPodAdres::get_Town>(u"Town", 4),
        tlx::DispGet<&IPodAdres::get_PostalCode>(u"PostalCode", 5),
        tlx::DispGet<&IPodAdres::get_PostOffice>(u"PostOffice", 6),
        tlx::DispGet<&IPodAdres::get_Commune>(u"Commune", 7),
        tlx::DispGet<&IPodAdres::get_District>(u"District", 8),
        tlx::DispGet<&IPodAdres::get_Voivodeship>(u"Voivodeship", 9),
        tlx::DispGet<&IPodAdres::get_Country>(u"Country", 10),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPodmiot*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPodmiot::get_Adres>(u"Adres", 1),
        tlx::DispGet<&IPodmiot::get_Nazwa>(u"Nazwa", 2),
        tlx::DispGet<&IPodmiot::get_NIP>(u"NIP", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IHrComponent*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IHrComponent::GetProductKind>(u"GetProductKind", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ICalendar*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ICalendar::SetRange, VT_DATE>(u"SetRange", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ICalendarRange*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ICalendarRange::get_Od, VT_DATE>(u"Od", 1),
        tlx::DispGet<&ICalendarRange::get_Do, VT_DATE>(u"Do", 2),
        tlx::DispGet<&ICalendarRange::get_LiczbaDni>(u"LiczbaDni", 3),
        tlx::DispMethod<&ICalendarRange::CzyDzienRoboczy, VT_DATE>(u"CzyDzienRoboczy", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IClaSupport*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IClaSupport::Trace>(u"Trace", 1),
        tlx::DispMethod<&IClaSupport::Message>(u"Message", 2, 1),
        tlx::DispMethod<&IClaSupport::Format>(u"Format", 3),
        tlx::DispMethod<&IClaSupport::ShowDialogBox>(u"ShowDialogBox", 4, 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPostingEntry*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPostingEntry::get_ID>(u"ID", 1),
        tlx::DispPutRef<&IPostingEntry::putref_Podmiot>(u"Podmiot", 2),
        tlx::DispPut<&IPostingEntry::put_Bufor>(u"Bufor", 3),
        tlx::DispPut<&IPostingEntry::put_Nowy>(u"Nowy", 4),
        tlx::DispPut<&IPostingEntry::put_DataKsiegowania, VT_DATE>(u"DataKsiegowania", 5),
        tlx::DispPut<&IPostingEntry::put_DataOperacji, VT_DATE>(u"DataOperacji", 6),
        tlx::DispPut<&IPostingEntry::put_DataWystawienia, VT_DATE>(u"DataWystawienia", 7),
        tlx::DispPut<&IPostingEntry::put_NumerDokumentu>(u"NumerDokumentu", 8),
        tlx::DispGet<&IPostingEntry::get_Elementy>(u"Elementy", 9),
        tlx::DispPutRef<&IPostingEntry::putref_DokumentZrodlowy>(u"DokumentZrodlowy", 10),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracownik*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracownik::get_ID>(u"ID", 1),
        tlx::DispGet<&IPracownik::get_Akronim>(u"Akronim", 2),
        tlx::DispGet<&IPracownik::get_Imie>(u"Imie", 3),
        tlx::DispGet<&IPracownik::get_Nazwisko>(u"Nazwisko", 4),
        tlx::DispGet<&IPracownik::get_PESEL>(u"PESEL", 5),
        tlx::DispGet<&IPracownik::get_NIP>(u"NIP", 6),
        tlx::DispGet<&IPracownik::get_PitMiesiace>(u"PitMiesiace", 7),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracPitMies*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracPitMies::get_ID>(u"ID", 1),
        tlx::DispGet<&IPracPitMies::get_Rok>(u"Rok", 2),
        tlx::DispGet<&IPracPitMies::get_Miesiac>(u"Miesiac", 3),
        tlx::DispGet<&IPracPitMies::get_wartosc>(u"wartosc", 4),
        tlx::DispPut<&IPracPitMies::put_wartosc>(u"wartosc", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IDaneKsiegowe*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IDaneKsiegowe::WypelnijDochody>(u"WypelnijDochody", 1),
        tlx::DispMethod<&IDaneKsiegowe::DaneCIT2>(u"DaneCIT2", 2),
    };
    return table;
}
