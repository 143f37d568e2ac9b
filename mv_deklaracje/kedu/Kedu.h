// A KEDU package (row of TLX.DeklKedu): a named, dated group of ZUS declarations sent to ZUS as one KEDU
// file, which can be locked together with its declarations.
//
// Life cycle: bound to a row (a new row without a date takes the host's today); checked at
// hostSaveCheck (a date and a name are required) and, just before its row is written at
// hostSavePrepare, refused when another package has the same name in any letter case, or, being locked,
// when it holds a declaration its lock did not reach (attached by another session meanwhile); its audit stamp
// is saved after the row. The list of its declarations is built on first use and built again whenever
// the package's identifier has changed since (a package saved for the first time gets one). Writing the
// package reads its declarations afresh from the database.
#pragma once

#include <vector>

#include "TlxBus2.h"
#include "hostapi/Files.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

class CKedu final
    : public IIdentityImpl<CKedu, ISQLObjectImpl<CKedu, IKedu, IIdentity, IMirvakObjectTypeInfo,
                                                 tlx::ProvideClassInfo2<>>> {
public:
    LONG ReadIdentifier() const { return static_cast<LONG>(ReadLong(u"DkkId")); }

    HRESULT InterfaceSupportsErrorInfo(REFIID iid) override;
    HRESULT get_ID(LONG* value) override { return IIdentityImpl::get_ID(value); }
    HRESULT get_Stempel(IDispatch** stamp) override;
    HRESULT get_Nazwa(BSTR* value) override;
    HRESULT put_Nazwa(BSTR value) override;
    HRESULT get_Data(DATE* value) override;
    HRESULT put_Data(DATE value) override;
    HRESULT get_Opis(BSTR* value) override;
    HRESULT put_Opis(BSTR value) override;
    HRESULT get_Zablokowana(LONG* value) override;
    HRESULT put_Zablokowana(LONG value) override;
    HRESULT get_Deklaracje(IDispatch** declarations) override;
    HRESULT Wyslij(LONG hWnd) override;
    HRESULT Zapisz(LONG hWnd, BSTR sFName, LONG bOverwrite, LONG* pVal) override;
    HRESULT WyslijTS(BSTR sFName) override;
    HRESULT ZestawMieszany(LONG* bVal) override;

protected:
    CBstr GetDefaultColumnPrefix() override { return CBstr(u"Dkk_"); }
    void OnLoadRecord(LONG mode) override;
    void OnVerify() override;
    void OnSave(LONG mode) override;
    bool OnStateChange(LONG state, LONG mode) override;

private:
    void SetZablokowana(LONG value);
    void CheckNameIsUnique();
    void CheckLockReachedEveryDeclaration();
    tlx::ComPtr<IDispatch> GetDeklaracjeCollection();
    void CreateDeklaracjeCollection();
    // Writes the package to `fileName` on this machine: its XML, or the host component's file.
    void SaveTo(const CBstr& fileName);

    tlx::ComPtr<IDispatch> declarations_;
    LONG declarationsOf_ = 0;  // the package identifier the declarations list was built for
    std::vector<LONG> lockedDeclarations_;  // the declarations the last lock was copied to
    tlx::ComPtr<IRemoteFileCopy> copy_;
};
