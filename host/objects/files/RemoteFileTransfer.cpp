#include "host/objects/files/RemoteFileTransfer.h"

#include <cerrno>
#include <fstream>

#include "host/HostError.h"
#include "host/objects/files/ClientFolder.h"
#include "host/objects/files/ReplaceFile.h"
#include "platform/text/AsciiCase.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

std::u16string TextOf(BSTR text) { return std::u16string(text ? text : u"", SysStringLen(text)); }

}  // namespace

HRESULT CRemoteFileTransfer::SetKind(BSTR kind) {
    return Boundary([&] {
        std::u16string text = AsciiLowerCopy<char16_t>(TextOf(kind));
        if (text != u"file" && text != u"app")
            Fail(E_INVALIDARG, IID_IRemoteFileTransfer,
                 u"Nieznany sposób przesłania pliku \"" + TextOf(kind) + u"\" (dozwolone: \"file\", \"app\").");
        kind_ = text;
    });
}

HRESULT CRemoteFileTransfer::SetContent(BSTR content) {
    return Boundary([&] { content_ = TextOf(content); });
}

HRESULT CRemoteFileTransfer::Reset(BSTR appPath) {
    return Boundary([&] {
        appPath_ = TextOf(appPath);
        fileName_.clear();
        kind_.clear();
        content_.clear();
    });
}

HRESULT CRemoteFileTransfer::SetFileName(BSTR name) {
    return Boundary([&] { fileName_ = TextOf(name); });
}

void CRemoteFileTransfer::LogApplication() const {
    std::filesystem::path log = ClientRoot() / "aplikacje.log";
    std::ofstream out(log, std::ios::binary | std::ios::app);
    out << Utf16ToUtf8(appPath_) << '\t' << Utf16ToUtf8(fileName_) << '\n';
    out.flush();
    if (!out) FailFile(errno, log, IID_IRemoteFileTransfer);
}

HRESULT CRemoteFileTransfer::Transfer() {
    return Boundary([&] {
        if (fileName_.empty())
            Fail(E_INVALIDARG, IID_IRemoteFileTransfer, u"Nie podano nazwy pliku do przesłania (SetFileName).");
        if (kind_.empty())
            Fail(E_INVALIDARG, IID_IRemoteFileTransfer,
                 u"Nie podano sposobu przesłania pliku \"" + fileName_ + u"\" (SetKind).");
        DeliverToClient(fileName_, Utf16ToUtf8(content_), IID_IRemoteFileTransfer);
        if (kind_ == u"app") LogApplication();
    });
}

}  // namespace tlx::host
