// SSL definition set.

#include "kv_mib_ssl_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(SslSetOrder)(values)

OPTIONS(VersionSslv3, DisabledEnabled);
OPTIONS(VersionTlsv1, DisabledEnabled);
#define BASE "1.3.6.1.4.1.171.12.7.1"
const KvSNMPVarDef SslMgmtDefs[] = {
    {BASE ".1", "swSSLVersionSSLv3Admin", Syntax::Integer, Access::ReadWrite, &VersionSslv3},
    {BASE ".2", "swSSLVersionTLSv1Admin", Syntax::Integer, Access::ReadWrite, &VersionTlsv1},
    {BASE ".3", "swSSLCipherSuites", Syntax::OctetStr, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(CertificateFileCtrl, SslCertFileCtrls);
#define BASE "1.3.6.1.4.1.171.12.7.2"
const KvSNMPVarDef SslCertFileDefs[] = {
    {BASE ".1", "swSSLCertificateFileIPAddr", Syntax::IpAddress, Access::ReadWrite, nullptr},
    {BASE ".2", "swSSLCertificateFilePath", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".4", "swSSLCertificateKeyFilePath", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {BASE ".5", "swSSLCertificateFileCtrl", Syntax::Integer, Access::ReadWrite, &CertificateFileCtrl},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable SslTables[] = {
    KV_MIB_TABLE(SslMgmtDefs, SVT_SV, 0),
    KV_MIB_TABLE(SslCertFileDefs, SVT_SV, 0),
};

const KvMibSet SslSet = {"SSL", SslTables};
