// SSH definition set.

#include "kv_mib_ssh_set.h"

#include "kv_mib_option_values.h"
#include "kv_mib_set_order.h"

#define OPTIONS(name, values) const KvOptionList name KV_MIB_SET_ORDER(SshSetOrder)(values)

OPTIONS(SshAdmin, DisabledEnabled);
OPTIONS(SessionKeyRekeying, SshRekeyIntervals);
#define BASE "1.3.6.1.4.1.171.12.6.1"
const KvSNMPVarDef SshMgmtDefs[] = {
    {BASE ".2", "swSSHAdmin", Syntax::Integer, Access::ReadWrite, &SshAdmin},
    {BASE ".3", "swSSHMaxAuthFailAttempts", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".4", "swSSHSessionKeyRekeying", Syntax::Integer, Access::ReadWrite, &SessionKeyRekeying},
    {BASE ".5", "swSSHMaxSession", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".6", "swSSHConnectionTimeout", Syntax::Integer, Access::ReadWrite, nullptr},
    {BASE ".7", "swSSHServerPort", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(EncryptAlg3Des, DisabledEnabled);
OPTIONS(EncryptAlgBlowfish, DisabledEnabled);
#define BASE "1.3.6.1.4.1.171.12.6.3.1"
const KvSNMPVarDef SshEncryptAlgDefs[] = {
    {BASE ".1", "swSSHEncryptAlg3DESAdmin", Syntax::Integer, Access::ReadWrite, &EncryptAlg3Des},
    {BASE ".2", "swSSHEncryptAlgBlowfishAdmin", Syntax::Integer, Access::ReadWrite, &EncryptAlgBlowfish},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(AuthenMethodPasswd, DisabledEnabled);
OPTIONS(AuthenMethodPubKey, DisabledEnabled);
OPTIONS(AuthenMethodHostKey, DisabledEnabled);
#define BASE "1.3.6.1.4.1.171.12.6.3.2"
const KvSNMPVarDef SshAuthMethodDefs[] = {
    {BASE ".1", "swSSHAuthenMethodPasswdAdmin", Syntax::Integer, Access::ReadWrite, &AuthenMethodPasswd},
    {BASE ".2", "swSSHAuthenMethodPubKeyAdmin", Syntax::Integer, Access::ReadWrite, &AuthenMethodPubKey},
    {BASE ".3", "swSSHAuthenMethodHostKeyAdmin", Syntax::Integer, Access::ReadWrite, &AuthenMethodHostKey},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(InteAlgSha1, DisabledEnabled);
OPTIONS(InteAlgMd5, DisabledEnabled);
#define BASE "1.3.6.1.4.1.171.12.6.3.3"
const KvSNMPVarDef SshIntegrityAlgDefs[] = {
    {BASE ".1", "swSSHInteAlgSHA1Admin", Syntax::Integer, Access::ReadWrite, &InteAlgSha1},
    {BASE ".2", "swSSHInteAlgMD5Admin", Syntax::Integer, Access::ReadWrite, &InteAlgMd5},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

OPTIONS(PublKeyRsa, DisabledEnabled);
OPTIONS(PublKeyDsa, DisabledEnabled);
#define BASE "1.3.6.1.4.1.171.12.6.3.5"
const KvSNMPVarDef SshKeyExchangeDefs[] = {
    {BASE ".1", "swSSHPublKeyRSAAdmin", Syntax::Integer, Access::ReadWrite, &PublKeyRsa},
    {BASE ".2", "swSSHPublKeyDSAAdmin", Syntax::Integer, Access::ReadWrite, &PublKeyDsa},
    {nullptr, nullptr, 0, 0, nullptr}};
#undef BASE

const KvMibTable SshTables[] = {
    KV_MIB_TABLE(SshMgmtDefs, SVT_SV, 0),
    KV_MIB_TABLE(SshEncryptAlgDefs, SVT_SV, 0),
    KV_MIB_TABLE(SshAuthMethodDefs, SVT_SV, 0),
    KV_MIB_TABLE(SshIntegrityAlgDefs, SVT_SV, 0),
    KV_MIB_TABLE(SshKeyExchangeDefs, SVT_SV, 0),
};

const KvMibSet SshSet = {"SSH", SshTables};
