// Recording stand-ins for the host's components that put export files on the user's machine: the
// transfer channel and the file copy. Each keeps its calls in order; the transfer can be made to fail
// one of its members.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "hostapi/Files.h"
#include "hostapi/FilesDispatch.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"
#include "platform/text/CodePage.h"

namespace pfron_test {

inline std::u16string Given(BSTR text) { return text ? std::u16string(text, SysStringLen(text)) : std::u16string(); }

class CRecordingTransfer final : public tlx::ComObject<CRecordingTransfer, tlx::Dispatch<IRemoteFileTransfer>> {
public:
    std::vector<std::u16string> calls;                // "Reset", "SetFileName <name>", "SetKind <kind>", ...
    std::map<std::u16string, std::u16string> files;  // what Transfer delivered: name and content
    HRESULT contentAnswer = S_OK;                     // what SetContent answers

    HRESULT Reset(BSTR appPath) override { return Record(u"Reset " + Given(appPath)); }
    HRESULT SetFileName(BSTR name) override {
        name_ = Given(name);
        return Record(u"SetFileName " + name_);
    }
    HRESULT SetKind(BSTR kind) override { return Record(u"SetKind " + Given(kind)); }
    HRESULT SetContent(BSTR content) override {
        content_ = Given(content);
        Record(u"SetContent");
        return contentAnswer;
    }
    HRESULT Transfer() override {
        files[name_] = content_;
        return Record(u"Transfer");
    }

private:
    HRESULT Record(std::u16string call) {
        calls.push_back(std::move(call));
        return S_OK;
    }
    std::u16string name_;
    std::u16string content_;
};

class CRecordingCopy final : public tlx::ComObject<CRecordingCopy, tlx::Dispatch<IRemoteFileCopy>> {
public:
    std::vector<std::pair<std::u16string, std::u16string>> copies;  // target, then source
    std::map<std::u16string, std::string> files;                    // target and the source's bytes then

    HRESULT Copy(BSTR target, BSTR source) override {
        copies.emplace_back(Given(target), Given(source));
        std::ifstream in(tlx::Utf16ToUtf8(Given(source)), std::ios::binary);
        files[Given(target)] = std::string(std::istreambuf_iterator<char>(in), {});
        return S_OK;
    }
};

}  // namespace pfron_test
