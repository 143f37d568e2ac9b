// The error a PFRON calculation shows its user: the host's error number 0x80055E22 with the host's
// text for it (up to its first "|") or, when the host gives none, the calculation's own Polish text.
#pragma once

#include "mv_deklaracje/core/Bstr.h"

inline constexpr HRESULT kPfronUserError = static_cast<HRESULT>(0x80055E22);

// Raises the user error; `ownText` is shown when the host has no text of its own.
[[noreturn]] void RaisePfronUserError(const CBstr& ownText);

// The own texts; `employee` is "[code] first-name surname".
CBstr MissingGenderText(const CBstr& employee);
CBstr WrongVoivodeshipText(const CBstr& employee);
CBstr ZeroWorkingTimeText(const CBstr& employee);
CBstr NoRefundKindText();
// The same for the declaration's own month.
CBstr NoRefundKindInPeriodText();
CBstr NoAttachmentText();
