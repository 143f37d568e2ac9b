// The road of a set of export files (PFRON applications now, KEDU documents next) to their folder: into
// a folder of this machine, or to a folder on the user's machine through the host's remote file transfer
// (a local operator) or its remote file copy, fed from a temporary local copy (a remote-desktop
// operator). Every name is checked before the first file is written or delivered, so a refused name
// never leaves part of a set behind; the names on both roads are the same.
#pragma once

#include <utility>
#include <vector>

#include "hostapi/Files.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"

class ExportDelivery {
public:
    // A file: its name in the folder and its text, one line that the road ends with CR LF.
    using File = std::pair<CBstr, CBstr>;

    // An empty folder is refused with E_INVALIDARG, and so is a name that is empty or holds a separator,
    // a control character or "..": names are built of parts cleaned by SafeFileNamePart.
    ExportDelivery(const CBstr& folder, std::vector<File> files);

    // Writes every file into the folder of this machine.
    void WriteFiles() const;
    // Delivers every file to the folder on the user's machine; `copy` keeps the file copy component of
    // the calling object between exports. A folder holding "..", which the user's machine refuses, is
    // refused with E_ACCESSDENIED, and one holding a control character with E_INVALIDARG, before
    // anything is delivered. Through the transfer, a file sent with an
    // application path is one the user's machine opens with that application.
    void SendFiles(tlx::ComPtr<IRemoteFileCopy>& copy, const CBstr& appPath = CBstr()) const;
    // Hands every file to the remote file transfer, whoever the operator is.
    void TransferFiles() const;
    // The error answered, with a Polish description, when the transfer component cannot be had (its
    // class is not registered, or it gives no object); by default the creation's own error.
    void SetMissingTransferError(HRESULT hr) { missingTransfer_ = hr; }

    const std::vector<File>& Files() const { return files_; }

    // The folder and the name joined with one separator: a folder that ends in either separator takes
    // the name after it (on this machine a closing backslash becomes the system's separator).
    static CBstr Join(const CBstr& folder, const CBstr& name, char16_t separator);

private:
    void CheckFolderForUser() const;
    void Transfer(const CBstr& appPath) const;
    void Copy(tlx::ComPtr<IRemoteFileCopy>& copy) const;

    CBstr folder_;
    std::vector<File> files_;
    HRESULT missingTransfer_ = S_OK;
};

// Refuses with E_INVALIDARG, naming `what`, a text bound for the user's machine (a folder, a path, an
// application to open a file with) that holds a control character (C0, DEL or C1): a line break would
// add lines to what the machine is sent, and would name a folder there that no one can type.
void RefuseControlCharacters(const CBstr& text, std::u16string_view what);

// True when the current operator works in a remote-desktop session.
bool IsRemoteOperator();

// The one cleaning rule for text that data puts into a file name: separators and control characters
// become "_", and so does a dot at either end of the text or beside another dot, so that ".." cannot
// reach a name built of such parts joined by "_" and ended by ".xml".
CBstr SafeFileNamePart(const CBstr& text);
