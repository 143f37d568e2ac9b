// The side lists of the VAT-UE/K, VAT-27, VAT-27K and VAT-ZD forms (CustomCollection01 to 06): rows of
// tables of their own that the forms' scripts empty and refill through the lists' recordsets, stored
// with the declaration. Which table and which rows stand behind a list depends on the form type.
#include <array>

#include "mv_deklaracje/deklaracje/Deklaracja.h"

namespace {

struct SubList {
    int index;  // 0 for CustomCollection01
    LONG type;
    const OLECHAR* table;
    const OLECHAR* sql;     // the declaration's identifier is appended
    const OLECHAR* sqlEnd;  // after the identifier
    const OLECHAR* idColumn;
    const OLECHAR* itemClass;
    const OLECHAR* linkColumn;
};

constexpr OLECHAR kVuekOrder[] = u" order by DVU_LP, DVU_ByloJest";

const std::array<SubList, 12> kSubLists{{
    {0, dekVATUEK, u"DeklVUEK", u"select * from TLX.DeklVUEK where DVU_Typ=1 and DVU_DkNID=", kVuekOrder,
     u"DVU_DVUID", u"", u"DVU_DkNID"},
    {0, dekVAT27, u"DeklV27", u"select * from TLX.DeklV27 where V27_Typ = 1 AND V27_DkNID=", u"", u"V27_V27ID",
     u"TLXDeklaracje.Vat27", u"V27_DkNID"},
    {0, dekVAT27K, u"DeklV27K", u"select * from TLX.DeklV27K where DVK_Typ = 1 AND DVK_DkNID=", u"", u"DVK_DVKID",
     u"", u"DVK_DkNID"},
    {0, dekVATZD_Z, u"VATZD", u"select * from TLX.VATZD where VaZ_Bufor = 0 and VaZ_DkNId=", u"", u"VaZ_VaZId",
     u"TLXDeklaracje.VatZd", u"VaZ_DkNId"},
    {0, dekVATZD_S, u"VATZD", u"select * from TLX.VATZD where VaZ_Bufor = 0 and VaZ_DkNId=", u"", u"VaZ_VaZId",
     u"TLXDeklaracje.VatZd", u"VaZ_DkNId"},
    {1, dekVATUEK, u"DeklVUEK", u"select * from TLX.DeklVUEK where DVU_Typ=2 and DVU_DkNID=", kVuekOrder,
     u"DVU_DVUID", u"", u"DVU_DkNID"},
    {1, dekVAT27K, u"DeklV27K", u"select * from TLX.DeklV27K where DVK_Typ = 2 AND DVK_DkNID=", u"", u"DVK_DVKID",
     u"", u"DVK_DkNID"},
    {1, dekVAT27, u"DeklV27", u"select * from TLX.DeklV27 where V27_Typ = 2 AND V27_DkNID=", u"", u"V27_V27ID",
     u"TLXDeklaracje.Vat27", u"V27_DkNID"},
    {2, dekVATUEK, u"DeklVUEK", u"select * from TLX.DeklVUEK where DVU_Typ=3 and DVU_DkNID=", kVuekOrder,
     u"DVU_DVUID", u"", u"DVU_DkNID"},
    {3, dekVATUEK, u"DeklVUEK", u"select * from TLX.DeklVUEK where DVU_Typ=11 and DVU_DkNID=", u"", u"DVU_DVUID", u"",
     u"DVU_DkNID"},
    {4, dekVATUEK, u"DeklVUEK", u"select * from TLX.DeklVUEK where DVU_Typ=12 and DVU_DkNID=", u"", u"DVU_DVUID", u"",
     u"DVU_DkNID"},
    {5, dekVATUEK, u"DeklVUEK", u"select * from TLX.DeklVUEK where DVU_Typ=13 and DVU_DkNID=", u"", u"DVU_DVUID", u"",
     u"DVU_DkNID"},
}};

const SubList* FindSubList(int index, LONG type) {
    for (const SubList& list : kSubLists)
        if (list.index == index && list.type == type) return &list;
    return nullptr;
}

}  // namespace

// Null for a form type without this list; the list is built once, with its query bound to the
// declaration's identifier as it stands then.
HRESULT CDeklaracja::GetCustomCollection(int index, IDispatch** collection) {
    return ComBoundary([&] {
        RequireOut(collection);
        *collection = nullptr;
        const SubList* list = FindSubList(index, ReadLong(u"TypDeklar"));
        if (!list) return;
        tlx::ComPtr<ICollection>& member = subLists_[index];
        if (!member) {
            tlx::ComPtr<IDispatch> object;
            tlx::Bstr hostClass(tlx::GuidToText(CLSID_CChildCollection));
            CheckHost(GetSession()->CreateObject(hostClass.Get(), tlx::Variant::Missing(), object.Out()));
            tlx::ComPtr<ICollectionSetup> configure = object.As<ICollectionSetup>();
            if (!configure) RaiseHResult(E_POINTER);
            member = object.As<ICollection>();
            if (!member) RaiseHResult(E_POINTER);
            CBstr sql = CBstr(list->sql) + LongToString(ReadIdentifier()) + std::u16string_view(list->sqlEnd);
            CheckHost(configure->put_IdColumn(tlx::Bstr(list->idColumn).Get()));
            CheckHost(configure->put_SQL(tlx::Bstr(sql.View()).Get()));
            CheckHost(configure->put_ItemClass(tlx::Bstr(list->itemClass).Get()));
            CheckHost(configure->put_Table(tlx::Bstr(list->table).Get()));
            CheckHost(configure->put_AutoSave(VARIANT_TRUE));
            // The declaration is the list's parent, so that a save of the list's rows saves the declaration
            // first: its version stamp moves with them, its check runs, and while another session sends the
            // declaration the rows its document was built from are not changed.
            CheckHost(configure->putref_ParentObject(Self().Get()));
        }
        *collection = tlx::ComPtr<IDispatch>(member).Detach();
    });
}

HRESULT CDeklaracja::get_CustomCollection01(IDispatch** c) { return GetCustomCollection(0, c); }
HRESULT CDeklaracja::get_CustomCollection02(IDispatch** c) { return GetCustomCollection(1, c); }
HRESULT CDeklaracja::get_CustomCollection03(IDispatch** c) { return GetCustomCollection(2, c); }
HRESULT CDeklaracja::get_CustomCollection04(IDispatch** c) { return GetCustomCollection(3, c); }
HRESULT CDeklaracja::get_CustomCollection05(IDispatch** c) { return GetCustomCollection(4, c); }
HRESULT CDeklaracja::get_CustomCollection06(IDispatch** c) { return GetCustomCollection(5, c); }

// After the row is saved each built list takes the declaration's identifier in its link column, so
// that the rows the scripts added are stored under the declaration. A form type without the list
// gives the empty column name.
void CDeklaracja::GiveSubListsTheirParent(LONG id) {
    LONG type = ReadLong(u"TypDeklar");
    for (int index = 0; index < 6; ++index) {
        const auto& list = subLists_[index];
        if (!list) continue;
        tlx::ComPtr<ICollectionSetup> configure = list.As<ICollectionSetup>();
        if (!configure) RaiseHResult(E_POINTER);
        const SubList* found = FindSubList(index, type);
        CheckHost(configure->SetParentLink(id, tlx::Bstr(found ? found->linkColumn : u"").Get()));
    }
}
