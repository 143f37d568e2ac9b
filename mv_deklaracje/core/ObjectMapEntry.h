// One creatable class of the library, as a subsystem lists it for the object map, and the two kinds of
// class object an entry hands out.
#pragma once

#include <span>

#include "platform/com/ComObject.h"
#include "platform/com/Unknown.h"

struct ObjectMapEntry {
    CLSID clsid;
    const char16_t* coclass;      // the coclass name ("Deklaracja")
    const char16_t* description;  // default value of the class's keys ("Deklaracja Class")
    const char16_t* progId;       // version-independent ProgID; registered also with the suffix ".1"
    HRESULT (*getClassObject)(REFIID iid, void** out);
};

// The class object of an implemented class.
template <class T>
HRESULT ClassObjectOf(REFIID iid, void** out) {
    return tlx::ClassFactory<T>::Get(iid, out);
}

// The class object of a class the library registers but does not carry yet: it is handed out like any
// other, and every creation through it answers CLASS_E_CLASSNOTAVAILABLE.
HRESULT ClassNotAvailableObject(REFIID iid, void** out);
