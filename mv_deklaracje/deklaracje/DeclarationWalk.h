// A walk down the tree of child declarations (the lock spread, the script reset). Each declaration
// hands the walk to its children through their own members, on the same thread; the walk remembers the
// declarations it has entered, so that one met again (parent links that form a cycle) is not entered a
// second time and the walk always ends.
#pragma once

#include <set>

#include "platform/com/Types.h"

enum class DeclarationWalkKind { Lock, ResetScript };

class CDeclarationWalk {
public:
    // Enters the declaration `id` into the running walk of `kind`, or starts one.
    CDeclarationWalk(DeclarationWalkKind kind, LONG id) : kind_(kind) {
        std::set<LONG>*& running = Running(kind);
        if (!running) {
            running = &visited_;
            owner_ = true;
        }
        entered_ = running->insert(id).second;
    }
    ~CDeclarationWalk() {
        if (owner_) Running(kind_) = nullptr;
    }
    CDeclarationWalk(const CDeclarationWalk&) = delete;
    CDeclarationWalk& operator=(const CDeclarationWalk&) = delete;

    // False when the walk had entered this declaration before.
    bool Entered() const { return entered_; }

private:
    static std::set<LONG>*& Running(DeclarationWalkKind kind) {
        thread_local std::set<LONG>* lock = nullptr;
        thread_local std::set<LONG>* reset = nullptr;
        return kind == DeclarationWalkKind::Lock ? lock : reset;
    }

    DeclarationWalkKind kind_;
    std::set<LONG> visited_;
    bool owner_ = false;
    bool entered_ = false;
};
