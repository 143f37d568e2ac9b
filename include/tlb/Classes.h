// The declarations type library's identity and its coclasses: the library identifier and the class
// identifier of every coclass it describes.
#pragma once

#include "platform/com/Guid.h"

// The type library, version 1.0.
inline constexpr GUID LIBID_MV_DEKLARACJELib = tlx::MakeGuid(u"{96A3682C-4EC0-4B83-BB8D-4029C8AF1907}");
inline constexpr WORD kTypeLibMajorVersion = 1;
inline constexpr WORD kTypeLibMinorVersion = 0;

// The creatable classes of the library, in object-map order.
inline constexpr CLSID CLSID_Deklaracja = tlx::MakeGuid(u"{E7360D54-21C6-423D-B96C-24BD5CA2CA30}");
inline constexpr CLSID CLSID_Deklaracje = tlx::MakeGuid(u"{A876230C-6163-473C-9CE8-5317FFE2FEE5}");
inline constexpr CLSID CLSID_DekStrona = tlx::MakeGuid(u"{52A3FC3F-903A-4DD8-A02D-5782B1FEA23B}");
inline constexpr CLSID CLSID_KeduKolekcja = tlx::MakeGuid(u"{5E7EA073-05BF-4575-A981-DEDDFEE6C2E3}");
inline constexpr CLSID CLSID_Kedu = tlx::MakeGuid(u"{AA3579DD-8832-4F7E-AC3A-95ECD08A4FB5}");
inline constexpr CLSID CLSID_RCA = tlx::MakeGuid(u"{58FDC7C4-5E6C-412D-A34A-09ABA2B05995}");
inline constexpr CLSID CLSID_DRA = tlx::MakeGuid(u"{38783A0A-66B5-4E03-B2D0-18CAADC06C06}");
inline constexpr CLSID CLSID_IWA = tlx::MakeGuid(u"{40C0A135-A916-4101-8488-0E848D1C0931}");
inline constexpr CLSID CLSID_RNA = tlx::MakeGuid(u"{19163B1F-80C6-40DE-BE77-C2D9ED67CC54}");
inline constexpr CLSID CLSID_RZA = tlx::MakeGuid(u"{EFF63868-C6B1-4E45-936B-B0F05E16D309}");
inline constexpr CLSID CLSID_RSA = tlx::MakeGuid(u"{0B79219C-6270-44C3-B4A8-17674F3DAB71}");
inline constexpr CLSID CLSID_DekElement = tlx::MakeGuid(u"{498FD830-128B-4350-94B9-BD564D3015B4}");
inline constexpr CLSID CLSID_DekWydruk = tlx::MakeGuid(u"{6CD8C7FB-B188-42DF-9317-C88A1FD83B82}");
inline constexpr CLSID CLSID_INFD = tlx::MakeGuid(u"{516F4A5E-609E-4AEB-BB52-690F684A017F}");
inline constexpr CLSID CLSID_WND = tlx::MakeGuid(u"{023B112A-0F2D-415B-90C6-BAB17E7A2A23}");
inline constexpr CLSID CLSID_WNU = tlx::MakeGuid(u"{54DB6245-EC4B-4A15-BB78-E36CDE835F34}");
inline constexpr CLSID CLSID_EDeklaracja = tlx::MakeGuid(u"{DEF2450D-91A1-46DA-9F54-072AE3F19419}");
inline constexpr CLSID CLSID_DekPdf = tlx::MakeGuid(u"{6A282636-EDDA-4C85-AD0C-9777A04B334B}");
inline constexpr CLSID CLSID_DekPdfKolekcja = tlx::MakeGuid(u"{2894BCA2-E6C4-11DC-BD28-D78055D89593}");
inline constexpr CLSID CLSID_WND3 = tlx::MakeGuid(u"{85F5979A-B3FE-489A-8710-9370632AAFEC}");
inline constexpr CLSID CLSID_SerwisDeklaracji = tlx::MakeGuid(u"{B2BA708F-89A1-4381-A28B-6DAA0723027D}");
inline constexpr CLSID CLSID_FirmaCfgRO = tlx::MakeGuid(u"{51340D15-30C0-471B-AB28-8AE727095342}");
inline constexpr CLSID CLSID_ProgramCfgRO = tlx::MakeGuid(u"{D21867D6-2A2C-49F7-BCEB-4B4F82D0781B}");
inline constexpr CLSID CLSID_ZSWA = tlx::MakeGuid(u"{8FC99B45-0F57-44C6-A1E0-E87CA7078622}");
inline constexpr CLSID CLSID_VatZd = tlx::MakeGuid(u"{E60A40B4-08C3-4DC6-B4E3-293F1EB6FF38}");
inline constexpr CLSID CLSID_Vat27 = tlx::MakeGuid(u"{E60A40B4-08C3-4DC6-B4E3-293F1EB6FF39}");
inline constexpr CLSID CLSID_DeklZaklad = tlx::MakeGuid(u"{70DBF3C8-5E90-41F7-A9CC-72DF17DD0801}");
inline constexpr CLSID CLSID_DeklZaklady = tlx::MakeGuid(u"{1468D668-7970-451A-95ED-8DFDB60910CC}");

// Classes the library describes but never registers: field definitions are made only by the form
// definition loader, and the last three have no implementation.
inline constexpr CLSID CLSID_DekElementInfo = tlx::MakeGuid(u"{B973C29A-6079-4659-ACAD-31265A1ED3BE}");
inline constexpr CLSID CLSID_TransformHelper = tlx::MakeGuid(u"{F86057F4-85F7-40A1-937C-C74839DD1CD0}");
inline constexpr CLSID CLSID_VatZdKolekcja = tlx::MakeGuid(u"{7097CE87-BC8C-4B8D-8BD1-0D4281E3E218}");
inline constexpr CLSID CLSID_Vat27Kolekcja = tlx::MakeGuid(u"{0E556FCF-4A4D-48E9-ACE2-3F4D490A22D1}");
