// The certificate and signing services of the platform (the CryptoAPI calls the module makes), over
// OpenSSL 3. The current user's personal store "MY" is the folder `$TLX_CERT_STORE/MY` (by default
// `~/.local/share/tlx/certs/MY`) holding `*.pem` files (a certificate with its unencrypted key in the
// same file or in `<name>.key` beside it) and `*.p12` files (PKCS#12 with the empty password).
// A signed message is CMS SignedData with CAdES-BES signed attributes (content type, message digest,
// signing time, signing-certificate-v2), the signer's certificate and no CRL.
#pragma once

#include <cstdint>

#include "platform/com/Types.h"

using LPCSTR = const char*;
using HCERTSTORE = struct CertStoreHandle*;
using HCRYPTMSG = struct CryptMsgHandle*;
using HCRYPTPROV = std::uintptr_t;
using HCRYPTPROV_OR_NCRYPT_KEY_HANDLE = std::uintptr_t;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

// What the module reads of a certificate: its validity period.
struct CERT_INFO {
    FILETIME NotBefore;
    FILETIME NotAfter;
};
using PCERT_INFO = CERT_INFO*;

struct CERT_CONTEXT {
    DWORD dwCertEncodingType;
    const BYTE* pbCertEncoded;
    DWORD cbCertEncoded;
    PCERT_INFO pCertInfo;
    HCERTSTORE hCertStore;
};
using PCCERT_CONTEXT = const CERT_CONTEXT*;

struct CRYPT_DATA_BLOB {
    DWORD cbData;
    BYTE* pbData;
};
using CERT_BLOB = CRYPT_DATA_BLOB;

struct CRYPT_ALGORITHM_IDENTIFIER {
    LPCSTR pszObjId;
    CRYPT_DATA_BLOB Parameters;
};

struct CMSG_SIGNER_ENCODE_INFO {
    DWORD cbSize;
    PCERT_INFO pCertInfo;
    HCRYPTPROV_OR_NCRYPT_KEY_HANDLE hCryptProv;
    DWORD dwKeySpec;
    CRYPT_ALGORITHM_IDENTIFIER HashAlgorithm;
};

struct CMSG_SIGNED_ENCODE_INFO {
    DWORD cbSize;
    DWORD cSigners;
    CMSG_SIGNER_ENCODE_INFO* rgSigners;
    DWORD cCertEncoded;
    CERT_BLOB* rgCertEncoded;
    DWORD cCrlEncoded;
    CRYPT_DATA_BLOB* rgCrlEncoded;
};

inline constexpr DWORD X509_ASN_ENCODING = 0x1;
inline constexpr DWORD PKCS_7_ASN_ENCODING = 0x10000;
inline const LPCSTR CERT_STORE_PROV_SYSTEM_W = reinterpret_cast<LPCSTR>(std::uintptr_t{10});
inline constexpr DWORD CERT_SYSTEM_STORE_CURRENT_USER = 0x10000;
inline constexpr DWORD CERT_STORE_READONLY_FLAG = 0x8000;
inline constexpr DWORD CERT_KEY_PROV_INFO_PROP_ID = 2;
inline constexpr DWORD CMSG_SIGNED = 2;
inline constexpr DWORD CMSG_AUTHENTICATED_ATTRIBUTES_FLAG = 0x8;
inline constexpr DWORD CMSG_CONTENT_PARAM = 2;
inline constexpr DWORD AT_SIGNATURE = 2;
inline constexpr const char* szOID_NIST_sha256 = "2.16.840.1.101.3.4.2.1";

// Error codes left by the calls below for GetLastError.
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_MORE_DATA = 234;
inline constexpr DWORD NTE_BAD_KEYSET = 0x80090016;
inline constexpr DWORD NTE_BAD_ALGID = 0x80090008;
inline constexpr DWORD CRYPT_E_NOT_FOUND = 0x80092004;
inline constexpr DWORD CRYPT_E_UNKNOWN_ALGO = 0x80091002;
inline constexpr DWORD CRYPT_E_MSG_ERROR = 0x80091001;

DWORD GetLastError();
void SetLastError(DWORD code);

// `para` is the store's name as a wide string; only the current user's system stores are known.
HCERTSTORE CertOpenStore(LPCSTR provider, DWORD encoding, HCRYPTPROV prov, DWORD flags, const void* para);
BOOL CertCloseStore(HCERTSTORE store, DWORD flags);
// The next certificate of the store after `previous` (whose reference it takes over), null at the end.
PCCERT_CONTEXT CertEnumCertificatesInStore(HCERTSTORE store, PCCERT_CONTEXT previous);
PCCERT_CONTEXT CertDuplicateCertificateContext(PCCERT_CONTEXT cert);
BOOL CertFreeCertificateContext(PCCERT_CONTEXT cert);
// -1 before the validity period, 1 after it, 0 inside it; a null time means now.
LONG CertVerifyTimeValidity(const FILETIME* time, PCERT_INFO info);
// Only CERT_KEY_PROV_INFO_PROP_ID: found when a private key is associated with the certificate.
BOOL CertGetCertificateContextProperty(PCCERT_CONTEXT cert, DWORD propId, void* data, DWORD* size);
BOOL CryptAcquireCertificatePrivateKey(PCCERT_CONTEXT cert, DWORD flags, void* reserved,
                                       HCRYPTPROV_OR_NCRYPT_KEY_HANDLE* key, DWORD* keySpec, BOOL* callerFree);
BOOL CryptReleaseContext(HCRYPTPROV prov, DWORD flags);

// An upper bound of the encoded message's size; 0 on failure (NTE_BAD_KEYSET when the signer's key
// cannot be read or does not belong to its certificate).
DWORD CryptMsgCalculateEncodedLength(DWORD encoding, DWORD flags, DWORD type, const void* info, LPCSTR innerType,
                                     DWORD dataLength);
HCRYPTMSG CryptMsgOpenToEncode(DWORD encoding, DWORD flags, DWORD type, const void* info, LPCSTR innerType,
                               const void* streamInfo);
BOOL CryptMsgUpdate(HCRYPTMSG msg, const BYTE* data, DWORD length, BOOL final);
BOOL CryptMsgGetParam(HCRYPTMSG msg, DWORD paramType, DWORD index, void* data, DWORD* size);
BOOL CryptMsgClose(HCRYPTMSG msg);
