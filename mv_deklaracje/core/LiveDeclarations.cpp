#include "mv_deklaracje/core/LiveDeclarations.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {
struct LiveDeclaration {
    IUnknown* session;  // the session's identity; the declaration holds the session alive
    IDeklaracja2* declaration;
};

std::mutex& Guard() {
    static std::mutex guard;
    return guard;
}
std::vector<LiveDeclaration>& Declarations() {
    static std::vector<LiveDeclaration> declarations;
    return declarations;
}

IUnknown* IdentityOf(ISession* session) {
    if (!session) return nullptr;
    tlx::ComPtr<IUnknown> identity;
    if (FAILED(session->QueryInterface(IID_IUnknown, identity.OutVoid()))) return nullptr;
    return identity.Get();
}
}  // namespace

void AddLiveDeclaration(ISession* session, IDeklaracja2* declaration) {
    IUnknown* identity = IdentityOf(session);
    if (!identity || !declaration) return;
    std::lock_guard lock(Guard());
    auto& list = Declarations();
    auto found = std::find_if(list.begin(), list.end(), [&](const auto& d) { return d.declaration == declaration; });
    if (found != list.end()) found->session = identity;
    else list.push_back({identity, declaration});
}

void RemoveLiveDeclaration(IDeklaracja2* declaration) {
    std::lock_guard lock(Guard());
    std::erase_if(Declarations(), [&](const auto& d) { return d.declaration == declaration; });
}

tlx::ComPtr<IDeklaracja2> FindLiveDeclaration(ISession* session, LONG id) {
    IUnknown* identity = IdentityOf(session);
    if (!identity || id <= 0) return nullptr;
    std::vector<tlx::ComPtr<IDeklaracja2>> candidates;
    {
        std::lock_guard lock(Guard());
        // The latest first: a copy someone loaded and kept earlier is not the one the caller now holds.
        const auto& list = Declarations();
        for (auto d = list.rbegin(); d != list.rend(); ++d)
            if (d->session == identity) candidates.emplace_back(d->declaration);
    }
    // Asked outside the lock: reading the identifier runs the declaration's own code.
    for (const tlx::ComPtr<IDeklaracja2>& declaration : candidates) {
        LONG answer = 0;
        if (SUCCEEDED(declaration->get_ID(&answer)) && answer == id) return declaration;
    }
    return nullptr;
}
