#include "snmp/SnmpLibrary.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/transform_oids.h>

#include <vector>

namespace snmp {

namespace {

// Auth and privacy protocol codes to the library's protocol OIDs; nullptr when unsupported.
const oid* authProtocolOid(int code, size_t& len)
{
    len = USM_AUTH_PROTO_MD5_LEN;
    switch (code) {
    case 1: len = OID_LENGTH(usmNoAuthProtocol); return usmNoAuthProtocol;
    case 2: len = OID_LENGTH(usmHMACMD5AuthProtocol); return usmHMACMD5AuthProtocol;
    case 3: len = OID_LENGTH(usmHMACSHA1AuthProtocol); return usmHMACSHA1AuthProtocol;
    case 4: len = OID_LENGTH(usmHMAC128SHA224AuthProtocol); return usmHMAC128SHA224AuthProtocol;
    case 5: len = OID_LENGTH(usmHMAC192SHA256AuthProtocol); return usmHMAC192SHA256AuthProtocol;
    case 6: len = OID_LENGTH(usmHMAC256SHA384AuthProtocol); return usmHMAC256SHA384AuthProtocol;
    case 7: len = OID_LENGTH(usmHMAC384SHA512AuthProtocol); return usmHMAC384SHA512AuthProtocol;
    default: return nullptr;
    }
}

const oid* privProtocolOid(int code, size_t& len)
{
    len = 0;
    switch (code) {
    case 1: len = OID_LENGTH(usmNoPrivProtocol); return usmNoPrivProtocol;
#ifndef NETSNMP_DISABLE_DES
    case 2: len = OID_LENGTH(usmDESPrivProtocol); return usmDESPrivProtocol;
#endif
#ifdef NETSNMP_DRAFT_REEDER_3DES
    case 3: len = OID_LENGTH(usm3DESEDEPrivProtocol); return usm3DESEDEPrivProtocol;
#endif
#ifdef HAVE_AES
    case 5: len = OID_LENGTH(usmAESPrivProtocol); return usmAESPrivProtocol;
#ifdef NETSNMP_DRAFT_BLUMENTHAL_AES_04
    case 6: len = OID_LENGTH(usmAES192PrivProtocol); return usmAES192PrivProtocol;
    case 7: len = OID_LENGTH(usmAES256PrivProtocol); return usmAES256PrivProtocol;
#endif
#endif
    default: return nullptr;
    }
}

} // namespace

int checkUsmTarget(const Target& target)
{
    size_t len = 0;
    if (!authProtocolOid(target.authProtocol, len))
        return status::UsmUnsupportedAuthProtocol;
    if (!privProtocolOid(target.privProtocol, len))
        return status::UsmUnsupportedPrivProtocol;
    if (target.securityLevel < 1 || target.securityLevel > 3
        || (target.securityLevel >= 2 && target.authProtocol == 1)
        || (target.securityLevel == 3 && target.privProtocol == 1))
        return status::UsmUnsupportedSecurityLevel;
    return 0;
}

int registerUsmUser(const std::string& engineId, const Target& target)
{
    if (const int rc = checkUsmTarget(target); rc != 0)
        return rc;
    size_t authLen = 0, privLen = 0;
    const oid* authOid = authProtocolOid(target.authProtocol, authLen);
    const oid* privOid = privProtocolOid(target.privProtocol, privLen);

    std::vector<u_char> engine(engineId.begin(), engineId.end());
    if (usmUser* old = usm_get_user(engine.data(), engine.size(), const_cast<char*>(target.securityName.c_str()))) {
        usm_remove_user(old);
        usm_free_user(old);
    }

    netsnmp_session s;
    snmp_sess_init(&s);
    s.version = SNMP_VERSION_3;
    s.securityModel = SNMP_SEC_MODEL_USM;  // the library silently skips other models
    s.securityEngineID = engine.data();
    s.securityEngineIDLen = engine.size();
    std::string name = target.securityName;
    s.securityName = name.data();
    s.securityNameLen = name.size();
    const bool withAuth = target.authProtocol != 1 && !target.authPassword.empty();
    const bool withPriv = withAuth && target.privProtocol != 1 && !target.privPassword.empty();
    // Both keys are derived from their passwords with the authentication protocol's hash.
    auto makeKey = [&](const std::string& password, u_char* key, size_t* keyLen, size_t capacity) {
        *keyLen = capacity;
        return generate_Ku(authOid, u_int(authLen), reinterpret_cast<const u_char*>(password.data()), password.size(),
                           key, keyLen)
            == SNMPERR_SUCCESS;
    };
    s.securityAuthProto = const_cast<oid*>(withAuth ? authOid : usmNoAuthProtocol);
    s.securityAuthProtoLen = withAuth ? authLen : OID_LENGTH(usmNoAuthProtocol);
    s.securityPrivProto = const_cast<oid*>(withPriv ? privOid : usmNoPrivProtocol);
    s.securityPrivProtoLen = withPriv ? privLen : OID_LENGTH(usmNoPrivProtocol);
    if (withAuth && !makeKey(target.authPassword, s.securityAuthKey, &s.securityAuthKeyLen, USM_AUTH_KU_LEN))
        return status::UsmError;
    if (withPriv && !makeKey(target.privPassword, s.securityPrivKey, &s.securityPrivKeyLen, USM_PRIV_KU_LEN))
        return status::UsmError;
    const int rc = create_user_from_session(&s);
    // The temporary session points at our buffers: make sure nothing frees them.
    s.securityEngineID = nullptr;
    s.securityName = nullptr;
    s.securityAuthProto = nullptr;
    s.securityPrivProto = nullptr;
    return rc == SNMPERR_SUCCESS ? 0 : status::UsmError;
}

Varbind varbindFromLibrary(const netsnmp_variable_list* v)
{
    Varbind vb;
    vb.oid.assign(v->name, v->name + v->name_length);
    switch (v->type) {
    case ASN_INTEGER:
        vb.setInteger(std::int32_t(*v->val.integer));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        vb.setUnsigned(Syntax(v->type), std::uint32_t(*v->val.integer));
        break;
    case ASN_COUNTER64:
        vb.setCounter64((std::uint64_t(v->val.counter64->high) << 32) | v->val.counter64->low);
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
    case ASN_NSAP:
        vb.setBytes(Syntax(v->type), std::string(reinterpret_cast<const char*>(v->val.string), v->val_len));
        break;
    case ASN_OBJECT_ID:
        vb.setObjectId(Oid(v->val.objid, v->val.objid + v->val_len / sizeof(oid)));
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.syntax = Syntax(v->type);
        break;
    case ASN_NULL:
        break;
    default:
        // Anything else (opaque-wrapped special types) is kept as its raw octets.
        vb.setBytes(Syntax::Opaque, std::string(reinterpret_cast<const char*>(v->val.string), v->val_len));
        break;
    }
    return vb;
}

} // namespace snmp
