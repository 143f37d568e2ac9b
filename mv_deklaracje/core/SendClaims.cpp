#include "mv_deklaracje/core/SendClaims.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/text/CodePage.h"

namespace {

// The sends of this process: by lock file and declaration, the object that may save the claimed row
// (null until the send names it).
using HeldKey = std::pair<std::string, LONG>;
std::mutex& Guard() {
    static std::mutex guard;
    return guard;
}
std::map<HeldKey, IUnknown*>& Held() {
    static std::map<HeldKey, IUnknown*> held;
    return held;
}

IUnknown* IdentityOf(IUnknown* object) {
    if (!object) return nullptr;
    tlx::ComPtr<IUnknown> identity;
    if (FAILED(object->QueryInterface(IID_IUnknown, identity.OutVoid()))) return nullptr;
    return identity.Get();
}

// The lock file beside the company database ("firma.db-wysylka", as SQLite names its own files beside
// a database); empty for a database that is no file.
std::string LockFile(Connection* connection) {
    if (!connection) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> rows = OpenRows(connection, u"SELECT name, file FROM pragma_database_list");
    std::string main, company;
    for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(rows->get_EOF(&eof)), !eof; CheckHost(rows->MoveNext())) {
        const std::u16string name = VariantToBstr(ReadRecordsetValue(rows.Get(), u"name")).Str();
        const std::string file = tlx::Utf16ToUtf8(VariantToBstr(ReadRecordsetValue(rows.Get(), u"file")).View());
        if (name == u"main") main = file;
        if (name == u"TLX" || name == u"tlx") company = file;
    }
    const std::string database = company.empty() ? main : company;
    return database.empty() ? database : database + "-wysylka";
}

struct flock ByteOf(LONG id, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = id;
    lock.l_len = 1;
    return lock;
}

[[noreturn]] void RaiseLockFailure(const std::string& file) {
    RaiseComError(E_FAIL, u"Nie można użyć pliku blokad wysyłania " + tlx::Utf8ToUtf16(file) + u": " +
                              tlx::Utf8ToUtf16(std::strerror(errno)));
}

// Whether a lock of any process (this one's other sends included) holds the declaration's byte.
bool LockedInFile(const std::string& file, LONG id) {
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return false;  // no send ever ran on this database
        RaiseLockFailure(file);
    }
    struct flock lock = ByteOf(id, F_WRLCK);
    const int answer = fcntl(fd, F_OFD_GETLK, &lock);
    const int error = errno;
    close(fd);
    if (answer != 0) {
        errno = error;
        RaiseLockFailure(file);
    }
    return lock.l_type != F_UNLCK;
}

}  // namespace

std::optional<SendLocks> SendLocks::Take(Connection* connection, const std::vector<LONG>& ids) {
    const std::string file = LockFile(connection);
    SendLocks locks;
    std::lock_guard guard(Guard());
    for (LONG id : ids)
        if (Held().contains({file, id})) return std::nullopt;
    if (!file.empty()) {
        locks.file_ = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (locks.file_ < 0) RaiseLockFailure(file);
        for (LONG id : ids) {
            struct flock lock = ByteOf(id, F_WRLCK);
            if (fcntl(locks.file_, F_OFD_SETLK, &lock) == 0) continue;
            if (errno == EAGAIN || errno == EACCES) return std::nullopt;  // closing the file lets the others go
            RaiseLockFailure(file);
        }
    }
    for (LONG id : ids) Held().emplace(HeldKey{file, id}, nullptr);
    locks.ids_ = ids;
    locks.lockFile_ = file;
    return locks;
}

SendLocks::SendLocks(SendLocks&& other) noexcept
    : file_(std::exchange(other.file_, -1)),
      ids_(std::move(other.ids_)),
      lockFile_(std::move(other.lockFile_)) {
    other.ids_.clear();
}

SendLocks::~SendLocks() {
    {
        std::lock_guard guard(Guard());
        for (LONG id : ids_) Held().erase({lockFile_, id});
    }
    if (file_ >= 0) close(file_);
}

void SendLocks::HeldBy(IUnknown* holder) {
    IUnknown* identity = IdentityOf(holder);
    std::lock_guard guard(Guard());
    for (LONG id : ids_) Held()[{lockFile_, id}] = identity;
}

bool SentElsewhere(Connection* connection, IUnknown* object, LONG id) {
    const std::string file = LockFile(connection);
    {
        std::lock_guard guard(Guard());
        auto found = Held().find({file, id});
        if (found != Held().end()) return found->second == nullptr || found->second != IdentityOf(object);
    }
    return !file.empty() && LockedInFile(file, id);
}

void RefuseWhileSentElsewhere(Connection* connection, IUnknown* object, LONG id) {
    if (id == 0 || !SentElsewhere(connection, object, id)) return;
    RaiseComError(adErrConcurrencyViolation,
                  u"Deklaracja jest właśnie wysyłana w innej sesji; nie zapisano jej. Odczytaj ją ponownie po "
                  u"zakończeniu wysyłania.");
}

void RefuseListRowWhileSent(IDispatch* session, Recordset* row, std::u16string_view linkColumn, IUnknown* object) {
    tlx::ComPtr<ISession2> access = session ? tlx::ComPtr<IDispatch>(session).As<ISession2>() : nullptr;
    if (!access || !row) RaiseHResult(E_POINTER);
    tlx::ComPtr<Field> link = RecordsetField(row, linkColumn);
    tlx::Variant declaration;
    CheckHost(link->get_UnderlyingValue(declaration.Out()));
    if (declaration.vt == VT_EMPTY || declaration.vt == VT_NULL) CheckHost(link->get_Value(declaration.Out()));
    tlx::ComPtr<Connection> connection;
    CheckHost(access->get_Connection(connection.Out()));
    RefuseWhileSentElsewhere(connection.Get(), object, VariantToLongOr(std::move(declaration), 0));
}
