// The INF-D calculator: bound by DeklId to an INF-D declaration, it builds one INF-D-P attachment per
// qualifying disabled employee and exports the declaration as PFRON application files.
//
// States: unbound after creation; bound by put DeklId (a second put rebinds) to the declaration of that
// identifier its caller holds in the object's session (the form's own, which then hears the progress
// events), or to one loaded when nobody holds it; the binding lasts until the object is released.
#pragma once

#include "TlxBus.h"
#include "hostapi/Files.h"
#include "platform/com/ProvideClassInfo.h"
#include "mv_deklaracje_tlb.h"
#include "tlb/DispatchTables.h"

class CINFD;
class InfdRun;
using CINFDRoot =
    IInitializeSessionImpl<CINFD, TlxObjectRoot<CINFD, tlx::Dispatch<IINFD>, tlx::ProvideClassInfo2<>>, 2>;

class CINFD final : public CINFDRoot {
public:
    // IINFD
    HRESULT Przelicz() override;
    HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) override;
    HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) override;
    HRESULT get_DeklId(LONG* pVal) override;
    HRESULT put_DeklId(LONG value) override;

    // The bound declaration; null when unbound.
    tlx::ComPtr<IDeklaracja2> GetDeklaracja() const;

private:
    // Builds the attachments of every qualifying employee, numbered from 1; answers their count.
    LONG PrzeliczZalaczniki(InfdRun& run);

    tlx::ComPtr<ISessionReference> declaration_;
    // The remote file copy, created by the first export that needs it and kept for the object's life.
    tlx::ComPtr<IRemoteFileCopy> fileCopy_;
};
