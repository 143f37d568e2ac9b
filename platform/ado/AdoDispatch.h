// The dispatch tables of the ADO interfaces, so that scripts reach recordsets, fields and connections
// by name. Defined in AdoDispatch.cpp; found by Dispatch<I> through argument-dependent lookup.
#pragma once

#include "platform/ado/Ado.h"
#include "platform/com/Dispatch.h"

const tlx::DispatchTable& DispatchTableOf(Field*);
const tlx::DispatchTable& DispatchTableOf(Fields*);
const tlx::DispatchTable& DispatchTableOf(Connection*);
const tlx::DispatchTable& DispatchTableOf(Recordset*);
