#!/usr/bin/env python3
"""Writes ms2416x.simdata, the bundled state of the simulated MS-2416X switch.

The data file is plain text and may be edited by hand; this script is the easy way to
change things that repeat per port. Run it from anywhere:  python3 make_data.py
"""
import os

PORTS = range(1, 25)
LINKED = {1, 2, 3, 4, 5, 8, 9, 12, 13, 17, 21, 23}      # ports with a cable in
GIGABIT = {1, 2, 21, 23}                                  # linked at 1000M, the rest at 100M
QUIET = {4, 13}                                           # linked but idle (their LEDs do not blink)
DISABLED = {24}                                           # switched off in the port control table
FIBRE = {23}                                              # combo port running on its fibre module
MAC_BASE = [0x00, 0x1D, 0x4F, 0x24, 0x16, 0x00]

out = []


def emit(line=""):
    out.append(line)


def q(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def hexs(octets):
    return "0x" + "".join("%02X" % b for b in octets)


def inst(oid, typ, acc, value, *attrs):
    emit(" ".join([oid, typ, acc, str(value)] + list(attrs)))


def mac(last):
    return MAC_BASE[:5] + [last]


def up(p):
    return p in LINKED and p not in DISABLED


def octet_rate(p):
    if not up(p) or p in QUIET:
        return 0
    return 250000 if p in GIGABIT else 40000


def portlist(ports):
    b = [0, 0, 0, 0]
    for p in ports:
        b[(p - 1) // 8] |= 0x80 >> ((p - 1) % 8)
    return hexs(b)


# ---------------------------------------------------------------- header and enumerations
emit("# ms2416x.simdata: state of the simulated MS-2416X switch (24 ports, 21-24 combo ports),")
emit("# firmware Build 2.03, RMON enabled. Written by make_data.py.")
emit("#")
emit("# Lines:  OID TYPE ACCESS VALUE [attributes]")
emit("#   TYPE    INTEGER STRING OID IPADDRESS COUNTER GAUGE TIMETICKS COUNTER64")
emit("#   ACCESS  ro (read-only), rw (read-write), rc (read-create)")
emit("#   VALUE   numbers in decimal, strings \"quoted\" or 0xHEX, OIDs and addresses dotted")
emit("#   enum=NAME  range=LO..HI  size=LO..HI  rate=N (counter increase per second)")
emit("#   live=uptime|led|cpu|portsinuse (computed by the simulator when read)")
emit("# Directives:")
emit("#   @subtree OID                     a subtree the simulator answers for")
emit("#   @enum NAME VALUE:LABEL ...       an enumeration")
emit("#   @table ENTRY [rowstatus=COL|entrystatus=COL] [index=PART,...]")
emit("#        PART: int, int(LO..HI), string, implied-string, mac, ip, oid, implied-oid")
emit("#   @column OID TYPE ACCESS DEFAULT [attributes] [index=N] [locked]")
emit("#        a column of a table: constraints for its instances and the default of new rows;")
emit("#        index=N takes the value from the N-th INDEX part, locked refuses changes while")
emit("#        the row is valid")
emit()
# The snmp group (1.3.6.1.2.1.11) is net-snmp's own: it counts the requests really received.
for s in ["1.3.6.1.2.1.1", "1.3.6.1.2.1.2", "1.3.6.1.2.1.4", "1.3.6.1.2.1.5", "1.3.6.1.2.1.7", "1.3.6.1.2.1.10.7",
          "1.3.6.1.2.1.16", "1.3.6.1.2.1.17", "1.3.6.1.2.1.31", "1.3.6.1.2.1.47", "1.3.6.1.4.1.171",
          "1.3.6.1.6.3.18", "1.0.8802.1.1.1"]:
    emit("@subtree " + s)
emit()

ENUMS = {
    "O1": "1:other 2:disabled 3:enabled",
    "O2": "1:other 2:snmp-ip 3:snmp-ipx 4:snmp-ip-ipx",
    "O3": "1:other 2:in-use 3:not-in-use",
    "O4": "1:other 2:proceeding 3:completed 4:changed-not-save 5:failed",
    "O5": "1:other 2:in-process 3:invalid-file 4:violation 5:file-not-found 6:disk-full 7:complete 8:time-out",
    "O6": "1:other 2:standard 3:proprietary 4:experiment",
    "O7": "1:other 2:inactive 3:active",
    "O8": "1:normal 2:active",
    "O9": "2:disable 3:enable",
    "O10": "1:other 2:disable 3:enable",
    "O11": "1:portType-100Base-TX 2:portType-100Base-FX 3:portType-100Base-FL 4:portType-1000Base-TX "
           "5:portType-1000Base-SX 6:portType-1000Base-LX 7:portType-1000Base-SX-GBIC 8:portType-1000Base-LX-GBIC 9:none",
    "O12": "1:other 2:link-pass 3:link-fail",
    "O13": "1:other 2:auto 3:half-10Mbps 4:full-10Mbps 5:half-100Mbps 6:full-100Mbps 8:full-1Gigabps",
    "O14": "1:other 2:deleteOnTimeout 3:deleteOnReset 4:permanent",
    "O15": "1:other 2:enable 3:disable",
    "O16": "1:other 2:querier 3:non-querier",
    "O17": "1:ingressPort 2:egressPort 3:both 4:other",
    "O18": "1:other 2:invalid 3:valid",
    "O19": "2:authProtocolLocal 4:authProtocolRadiusEap",
    "O20": "1:portBase 2:macBase 3:none",
    "O21": "1:acctServiceIndex-network 2:acctServiceIndex-exec 3:acctServiceIndex-system",
    "O22": "1:swRadiusAcctServiceMethodNone 2:swRadiusAcctServiceMethodRadius",
    "O23": "1:radiusAcctServiceModeNone 2:radiusAcctServiceModeStartStop 3:radiusAcctServiceModeStopOnly",
    "O24": "1:enabled 2:disabled",
    "O25": "1:true 2:false",
    "O26": "1:initialize 2:disconnected 3:connecting 4:authenticating 5:authenticated 6:aborting 7:held 8:forceAuth 9:forceUnauth",
    "O27": "1:request 2:response 3:success 4:fail 5:timeout 6:idle 7:initialize",
    "O28": "0:both 1:in",
    "O29": "1:authorized 2:unauthorized",
    "O30": "1:forceUnauthorized 2:auto 3:forceAuthorized",
    "O31": "1:remoteAuthServer 2:localAuthServer",
    "O32": "1:supplicantLogoff 2:portFailure 3:supplicantRestart 4:reauthFailed 5:authControlForceUnauth "
           "6:portReInit 7:portAdminDisabled 999:notTerminatedYet",
    "O33": "1:disabled 2:blocking 3:listening 4:learning 5:forwarding 6:broken",
    "O34": "0:forceTrue 1:forceFalse 2:auto",
    "O35": "1:other 2:idle 3:set",
    "O36": "1:other 2:cold-start 3:warm-start 4:no-reset",
    "O37": "2:disabled 3:enabled",
    "O38": "0:invalid-type 101:method-enable-enable 102:method-enable-login 201:method-line-enable "
           "202:method-line-login 301:method-none-enable 302:method-none-login 303:method-none-ppp "
           "401:method-radius-enable 402:method-radius-login 403:method-radius-ppp 501:method-tacacs-plus-enable "
           "502:method-tacacs-plus-login 503:method-tacacs-plus-ppp 601:method-group-enable 602:method-group-login "
           "603:method-group-ppp 701:method-xtacacs-enable 702:method-xtacacs-login 703:method-xtacacs-ppp "
           "801:method-tacacs-enable 802:method-tacacs-login 803:method-tacacs-ppp 902:method-krb5-login "
           "903:method-krb5-PPP 1002:method-krb5-telnet-login 1102:method-local-login 1103:method-local-ppp "
           "1202:method-local-case-login 1203:method-local-case-ppp 1303:method-if-needed-ppp",
    "O40": "1:tacacs 2:xtacacs 3:tacacs-plus",
    "O41": "0:never 10:ten-min 30:thirty-min 60:sixty-min",
    "O42": "2:active 3:passive",
    "O43": "1:other 2:inactive 3:start 4:delete",
    "O44": "1:cs 2:cas 3:mS",
    "O46": "0:stop 1:active",
    "O47": "0:finish 1:proceeding",
    "O48": "1:commander 2:candidate 3:member",
    "O49": "1:other 2:volatile 3:nonVolatile 4:permanent 5:readOnly",
    "RowStatus": "1:active 2:notInService 3:notReady 4:createAndGo 5:createAndWait 6:destroy",
    "EntryStatus": "1:valid 2:createRequest 3:underCreation 4:invalid",
    "TruthValue": "1:true 2:false",
    "EnabledStatus": "1:enabled 2:disabled",
    "IfStatus": "1:up 2:down 3:testing",
    "Nway": "1:other 2:nway-enabled 3:nway-disabled-10Mbps-Half 4:nway-disabled-10Mbps-Full "
            "5:nway-disabled-100Mbps-Half 6:nway-disabled-100Mbps-Full 8:nway-disabled-1Gigabps-Full "
            "9:nway-disabled-1Gigabps-Full-master 10:nway-disabled-1Gigabps-Full-slave",
    "TrunkType": "1:other 2:static 3:lacp",
    "StpVersion": "0:stpCompatible 2:rstp",
    "FrameTypes": "1:admitAll 2:admitOnlyVlanTagged",
    "EnDis": "1:enabled 2:disabled",
    "EnableDisable": "1:enable 2:disable",
    "MacMaskState": "1:other 2:dst-mac-addr 3:src-mac-addr 4:dst-src-mac-addr",
    "IpMaskState": "1:other 2:dst-ip-addr 3:src-ip-addr 4:dst-src-ip-addr",
    "ProtoType": "1:none 2:icmp 3:igmp 4:tcp 5:udp 6:protocolId",
    "IcmpOption": "1:none 2:type 3:code 4:type-code",
    "PortOption": "1:other 2:dst-addr 3:src-addr 4:dst-src-addr",
    "Permit": "1:deny 2:permit",
    "IpForwarding": "1:forwarding 2:not-forwarding",
    "RouteType": "1:other 2:invalid 3:direct 4:indirect",
    "RouteProto": "1:other 2:local 3:netmgmt 4:icmp 5:egp 6:ggp 7:hello 8:rip 9:is-is 10:es-is 11:ciscoIgrp "
                  "12:bbnSpfIgp 13:ospf 14:bgp",
    "FdbStatus": "1:other 2:invalid 3:learned 4:self 5:mgmt",
    "VlanStatus": "1:other 2:permanent 3:dynamicGvrp",
    "StaticStatus": "1:other 2:invalid 3:permanent 4:deleteOnReset 5:deleteOnTimeout",
    "PhysClass": "1:other 2:unknown 3:chassis 4:backplane 5:container 6:powerSupply 7:fan 8:sensor 9:module "
                 "10:port 11:stack",
    "SampleType": "1:absoluteValue 2:deltaValue",
    "StartupAlarm": "1:risingAlarm 2:fallingAlarm 3:risingOrFallingAlarm",
    "EventType": "1:none 2:log 3:snmptrap 4:logandtrap",
}
for name, labels in ENUMS.items():
    emit("@enum %s %s" % (name, labels))
emit()

UPTIME = 25920000  # three days in hundredths of a second


def rows(entry, columns, indexes):
    """columns: list of (col, type, access, value-or-function(index), attrs...)."""
    for c in columns:
        col, typ, acc, val = c[:4]
        attrs = c[4:]
        for i in indexes:
            v = val(i) if callable(val) else val
            idx = ".".join(str(x) for x in i) if isinstance(i, tuple) else str(i)
            inst("%s.%d.%s" % (entry, col, idx), typ, acc, v, *attrs)


def table(entry, status, index, columns, kind="rowstatus"):
    """A table whose rows are created and destroyed through its status column."""
    emit("@table %s %s=%d index=%s" % (entry, kind, status, index))
    for c in columns:
        emit("@column %s.%s" % (entry, c))


# ---------------------------------------------------------------- system group
emit("# ---- system (1.3.6.1.2.1.1)")
inst("1.3.6.1.2.1.1.1.0", "STRING", "ro", q("Korvane MS-2416X 24-Port Gigabit Managed Switch"))
inst("1.3.6.1.2.1.1.2.0", "OID", "ro", "1.3.6.1.4.1.171.10.43.2")
inst("1.3.6.1.2.1.1.3.0", "TIMETICKS", "ro", UPTIME, "live=uptime")
inst("1.3.6.1.2.1.1.4.0", "STRING", "rw", q("network@example.net"), "size=0..255")
inst("1.3.6.1.2.1.1.5.0", "STRING", "rw", q("MS-2416X"), "size=0..255")
inst("1.3.6.1.2.1.1.6.0", "STRING", "rw", q("Lab, rack 3"), "size=0..255")
inst("1.3.6.1.2.1.1.7.0", "INTEGER", "ro", 2)
emit()

# ---------------------------------------------------------------- interfaces
emit("# ---- interfaces: ifNumber, ifTable (1.3.6.1.2.1.2)")
inst("1.3.6.1.2.1.2.1.0", "INTEGER", "ro", 24)
E = "1.3.6.1.2.1.2.2.1"
emit("@table %s index=int(1..24)" % E)
emit("@column %s.7 INTEGER rw 1 enum=IfStatus" % E)
speed = lambda p: 1000000000 if p in GIGABIT or not up(p) else 100000000
rows(E, [
    (1, "INTEGER", "ro", lambda p: p),
    (2, "STRING", "ro", lambda p: q("Port %d" % p)),
    (3, "INTEGER", "ro", 6),
    (4, "INTEGER", "ro", 1518),
    (5, "GAUGE", "ro", speed),
    (6, "STRING", "ro", lambda p: hexs(mac(p))),
    (7, "INTEGER", "rw", lambda p: 2 if p in DISABLED else 1),
    (8, "INTEGER", "ro", lambda p: 1 if up(p) else 2),
    (9, "TIMETICKS", "ro", lambda p: 1200 + 37 * p if up(p) else 0),
], PORTS)
for col, scale, base in [(10, 1.0, 900000000), (11, 1 / 700.0, 1200000), (12, 1 / 9000.0, 90000),
                         (16, 1.3, 1100000000), (17, 1 / 650.0, 1500000), (18, 1 / 8000.0, 80000)]:
    for p in PORTS:
        r = int(octet_rate(p) * scale)
        b = (base * p // 7) % 4000000000 if up(p) else 0
        inst("%s.%d.%d" % (E, col, p), "COUNTER", "ro", b, "rate=%d" % r)
rows(E, [
    (13, "COUNTER", "ro", 0), (14, "COUNTER", "ro", lambda p: 3 if p == 5 else 0), (15, "COUNTER", "ro", 0),
    (19, "COUNTER", "ro", 0), (20, "COUNTER", "ro", 0), (21, "GAUGE", "ro", 0), (22, "OID", "ro", "0.0"),
], PORTS)
emit()

emit("# ---- IF-MIB ifXTable and last-change scalars (1.3.6.1.2.1.31)")
X = "1.3.6.1.2.1.31.1.1.1"
emit("@table %s index=int(1..24)" % X)
emit("@column %s.14 INTEGER rw 1 enum=EnDis" % X)
emit("@column %s.16 INTEGER rw 2 enum=TruthValue" % X)
emit("@column %s.18 STRING rw \"\" size=0..64" % X)
rows(X, [(1, "STRING", "ro", lambda p: q("Port %d" % p))], PORTS)
for col, scale in [(2, 1 / 12000.0), (3, 1 / 9000.0), (4, 1 / 11000.0), (5, 1 / 8000.0)]:
    for p in PORTS:
        inst("%s.%d.%d" % (X, col, p), "COUNTER", "ro", 5000 * p if up(p) else 0, "rate=%d" % int(octet_rate(p) * scale))
for col, scale in [(6, 1.0), (7, 1 / 700.0), (8, 1 / 12000.0), (9, 1 / 9000.0),
                   (10, 1.3), (11, 1 / 650.0), (12, 1 / 11000.0), (13, 1 / 8000.0)]:
    for p in PORTS:
        b = 5000000000 + 123456789 * p if up(p) else 0
        inst("%s.%d.%d" % (X, col, p), "COUNTER64", "ro", int(b * scale) if scale < 1 else b,
             "rate=%d" % int(octet_rate(p) * scale))
rows(X, [
    (14, "INTEGER", "rw", 1),
    (15, "GAUGE", "ro", lambda p: speed(p) // 1000000),
    (16, "INTEGER", "rw", 2),
    (17, "INTEGER", "ro", 1),
    (18, "STRING", "rw", lambda p: q("uplink to core") if p == 1 else q("")),
    (19, "TIMETICKS", "ro", 0),
], PORTS)
inst("1.3.6.1.2.1.31.1.5.0", "TIMETICKS", "ro", 2088)
inst("1.3.6.1.2.1.31.1.6.0", "TIMETICKS", "ro", 0)
emit()

emit("# ---- ip group, address and route tables (1.3.6.1.2.1.4); the switch does not route")
IP = "1.3.6.1.2.1.4"
inst(IP + ".1.0", "INTEGER", "rw", 2, "enum=IpForwarding")
inst(IP + ".2.0", "INTEGER", "rw", 64, "range=1..255")
for n, base, rate in [(3, 1843210, 12), (4, 3, 0), (5, 41, 0), (6, 0, 0), (7, 0, 0), (8, 0, 0), (9, 1843170, 12),
                      (10, 1790433, 11), (11, 0, 0), (12, 2, 0)]:
    inst("%s.%d.0" % (IP, n), "COUNTER", "ro", base, *(["rate=%d" % rate] if rate else []))
inst(IP + ".13.0", "INTEGER", "ro", 60)
for n in [14, 15, 16, 17, 18, 19, 23]:
    inst("%s.%d.0" % (IP, n), "COUNTER", "ro", 0)
MGMT_IP = (10, 90, 90, 90)
rows(IP + ".20.1", [(1, "IPADDRESS", "ro", "10.90.90.90"), (2, "INTEGER", "ro", 1),
                    (3, "IPADDRESS", "ro", "255.0.0.0"), (4, "INTEGER", "ro", 1), (5, "INTEGER", "ro", 65535)],
     [MGMT_IP])
routes = {(0, 0, 0, 0): ("10.90.90.254", 4, 3, "0.0.0.0", 1), (10, 0, 0, 0): ("10.90.90.90", 3, 2, "255.0.0.0", 0)}
rows(IP + ".21.1", [
    (1, "IPADDRESS", "ro", lambda r: ".".join(str(x) for x in r)), (2, "INTEGER", "ro", 1),
    (3, "INTEGER", "ro", lambda r: routes[r][4]), (4, "INTEGER", "ro", -1), (5, "INTEGER", "ro", -1),
    (6, "INTEGER", "ro", -1), (7, "IPADDRESS", "ro", lambda r: routes[r][0]),
    (8, "INTEGER", "ro", lambda r: routes[r][1], "enum=RouteType"),
    (9, "INTEGER", "ro", lambda r: routes[r][2], "enum=RouteProto"), (10, "INTEGER", "ro", 0),
    (11, "IPADDRESS", "ro", lambda r: routes[r][3]), (12, "INTEGER", "ro", -1), (13, "OID", "ro", "0.0"),
], sorted(routes))
emit()

emit("# ---- icmp group (1.3.6.1.2.1.5): the switch answers pings now and then")
icmp = {1: (5120, 2), 2: (4, 0), 3: (37, 0), 8: (5060, 2), 9: (19, 0), 14: (5101, 2), 16: (22, 0), 21: (19, 0),
        22: (5060, 2)}
for n in range(1, 27):
    base, rate = icmp.get(n, (0, 0))
    inst("1.3.6.1.2.1.5.%d.0" % n, "COUNTER", "ro", base, *(["rate=%d" % rate] if rate else []))
emit()

emit("# ---- udp group and listener table (1.3.6.1.2.1.7)")
for n, base, rate in [(1, 1702231, 10), (2, 42, 0), (3, 0, 0), (4, 1698810, 10)]:
    inst("1.3.6.1.2.1.7.%d.0" % n, "COUNTER", "ro", base, *(["rate=%d" % rate] if rate else []))
rows("1.3.6.1.2.1.7.5.1", [(1, "IPADDRESS", "ro", "0.0.0.0"), (2, "INTEGER", "ro", lambda i: i[4])],
     [(0, 0, 0, 0, 69), (0, 0, 0, 0, 123), (0, 0, 0, 0, 161)])
emit()

emit("# ---- EtherLike-MIB dot3StatsTable (1.3.6.1.2.1.10.7.2)")
D = "1.3.6.1.2.1.10.7.2.1"
emit("@table %s index=int(1..24)" % D)
rows(D, [(1, "INTEGER", "ro", lambda p: p)], PORTS)
for col in [2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 16, 18]:
    rows(D, [(col, "COUNTER", "ro", lambda p, c=col: ((p * 7 + c * 3) % 5 if up(p) and c in (3, 4, 7) else 0))], PORTS)
rows(D, [(19, "INTEGER", "ro", lambda p: 3 if up(p) else 1)], PORTS)
emit()

# ---------------------------------------------------------------- RMON history
emit("# ---- RMON history (1.3.6.1.2.1.16.2); etherHistory buckets are made by the simulator")
H = "1.3.6.1.2.1.16.2.1.1"
emit("@table %s entrystatus=7 index=int(1..65535)" % H)
emit("@column %s.1 INTEGER ro 0 index=1" % H)
emit("@column %s.2 OID rc 1.3.6.1.2.1.2.2.1.1.1 locked" % H)
emit("@column %s.3 INTEGER rc 50 range=1..65535" % H)
emit("@column %s.4 INTEGER ro 0" % H)
emit("@column %s.5 INTEGER rc 1800 range=1..3600 locked" % H)
emit("@column %s.6 STRING rc \"\" size=0..127" % H)
emit("@column %s.7 INTEGER rc 1 enum=EntryStatus" % H)
for i, port, interval in [(1, 1, 30), (2, 2, 1800)]:
    rows(H, [(1, "INTEGER", "ro", i), (2, "OID", "rc", "1.3.6.1.2.1.2.2.1.1.%d" % port), (3, "INTEGER", "rc", 50),
             (4, "INTEGER", "ro", 50), (5, "INTEGER", "rc", interval), (6, "STRING", "rc", q("monitor")),
             (7, "INTEGER", "rc", 1)], [i])
emit("@table 1.3.6.1.2.1.16.2.2.1")
emit()

emit("# ---- RMON Ethernet statistics (1.3.6.1.2.1.16.1), one row per port")
ES = "1.3.6.1.2.1.16.1.1.1"
# Packet rates from the port's octet rate; frames of 620 octets on average.
stats_share = {3: 0, 5: 1, 6: 1 / 40.0, 7: 1 / 25.0, 8: 0, 9: 0, 10: 0, 11: 0, 12: 0, 13: 0,
               14: 0.30, 15: 0.25, 16: 0.10, 17: 0.05, 18: 0.10, 19: 0.20}
rows(ES, [(1, "INTEGER", "ro", lambda p: p), (2, "OID", "ro", lambda p: "1.3.6.1.2.1.2.2.1.1.%d" % p)], PORTS)
for p in PORTS:
    octets = int(octet_rate(p) * 2.3)  # both directions of the segment
    inst("%s.4.%d" % (ES, p), "COUNTER", "ro", 2000000 * p if up(p) else 0, "rate=%d" % octets)
for col in [3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19]:
    for p in PORTS:
        r = int(octet_rate(p) * 2.3 / 620 * stats_share[col])
        base = (3 if p == 5 else 0) if col == 8 else (3000 * p * stats_share[col] if up(p) else 0)
        inst("%s.%d.%d" % (ES, col, p), "COUNTER", "ro", int(base), *(["rate=%d" % r] if r else []))
rows(ES, [(20, "STRING", "ro", q("monitor")), (21, "INTEGER", "ro", 1, "enum=EntryStatus")], PORTS)
emit()

emit("# ---- RMON alarms and events (1.3.6.1.2.1.16.3, .9): rows by EntryStatus; the sampled")
emit("#      settings of a valid alarm are locked; the simulator computes alarmValue from its variable")
AL = "1.3.6.1.2.1.16.3.1.1"
table(AL, 12, "int(1..65535)", kind="entrystatus", columns=[
    "1 INTEGER ro 0 index=1", "2 INTEGER rc 30 range=1..2147483647 locked", "3 OID rc 0.0 locked",
    "4 INTEGER rc 2 enum=SampleType locked", "5 INTEGER ro 0", "6 INTEGER rc 3 enum=StartupAlarm locked",
    "7 INTEGER rc 0 locked", "8 INTEGER rc 0 locked", "9 INTEGER rc 0 range=0..65535 locked",
    "10 INTEGER rc 0 range=0..65535 locked", "11 STRING rc \"\" size=0..127", "12 INTEGER rc 1 enum=EntryStatus"])
alarms = {1: (30, "1.3.6.1.2.1.2.2.1.10.1", 7500000, 10000000, 5000000, 1, 2),
          2: (60, "1.3.6.1.2.1.16.1.1.1.8.5", 0, 10, 0, 1, 0)}
rows(AL, [(1, "INTEGER", "ro", lambda i: i), (2, "INTEGER", "rc", lambda i: alarms[i][0]),
          (3, "OID", "rc", lambda i: alarms[i][1]), (4, "INTEGER", "rc", 2), (5, "INTEGER", "ro", lambda i: alarms[i][2]),
          (6, "INTEGER", "rc", 3), (7, "INTEGER", "rc", lambda i: alarms[i][3]),
          (8, "INTEGER", "rc", lambda i: alarms[i][4]), (9, "INTEGER", "rc", lambda i: alarms[i][5]),
          (10, "INTEGER", "rc", lambda i: alarms[i][6]), (11, "STRING", "rc", q("monitor")),
          (12, "INTEGER", "rc", 1)], sorted(alarms))
EV = "1.3.6.1.2.1.16.9.1.1"
table(EV, 7, "int(1..65535)", kind="entrystatus", columns=[
    "1 INTEGER ro 0 index=1", "2 STRING rc \"\" size=0..127", "3 INTEGER rc 1 enum=EventType",
    "4 STRING rc \"\" size=0..127", "5 TIMETICKS ro 0", "6 STRING rc \"\" size=0..127",
    "7 INTEGER rc 1 enum=EntryStatus"])
events = {1: ("Traffic above its threshold", 4, 24120000), 2: ("Traffic back to normal", 2, 24123000)}
rows(EV, [(1, "INTEGER", "ro", lambda i: i), (2, "STRING", "rc", lambda i: q(events[i][0])),
          (3, "INTEGER", "rc", lambda i: events[i][1]), (4, "STRING", "rc", q("public")),
          (5, "TIMETICKS", "ro", lambda i: events[i][2]), (6, "STRING", "rc", q("monitor")),
          (7, "INTEGER", "rc", 1)], sorted(events))
emit()

# ---------------------------------------------------------------- bridge
emit("# ---- BRIDGE-MIB base and spanning tree, RSTP port extension (1.3.6.1.2.1.17)")
inst("1.3.6.1.2.1.17.1.1.0", "STRING", "ro", hexs(mac(0)))
inst("1.3.6.1.2.1.17.1.2.0", "INTEGER", "ro", 24)
inst("1.3.6.1.2.1.17.1.3.0", "INTEGER", "ro", 2)
rows("1.3.6.1.2.1.17.1.4.1", [(1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "ro", lambda p: p),
                              (3, "OID", "ro", "0.0"), (4, "COUNTER", "ro", 0), (5, "COUNTER", "ro", 0)], PORTS)
bridge_id = [0x80, 0x00] + mac(0)
inst("1.3.6.1.2.1.17.2.1.0", "INTEGER", "ro", 3)
inst("1.3.6.1.2.1.17.2.2.0", "INTEGER", "rw", 32768, "range=0..61440")
inst("1.3.6.1.2.1.17.2.3.0", "TIMETICKS", "ro", 360000)
inst("1.3.6.1.2.1.17.2.4.0", "COUNTER", "ro", 3)
inst("1.3.6.1.2.1.17.2.5.0", "STRING", "ro", hexs(bridge_id))
inst("1.3.6.1.2.1.17.2.6.0", "INTEGER", "ro", 0)
inst("1.3.6.1.2.1.17.2.7.0", "INTEGER", "ro", 0)
inst("1.3.6.1.2.1.17.2.8.0", "INTEGER", "ro", 2000)
inst("1.3.6.1.2.1.17.2.9.0", "INTEGER", "ro", 200)
inst("1.3.6.1.2.1.17.2.10.0", "INTEGER", "ro", 100)
inst("1.3.6.1.2.1.17.2.11.0", "INTEGER", "ro", 1500)
inst("1.3.6.1.2.1.17.2.12.0", "INTEGER", "rw", 2000, "range=600..4000")
inst("1.3.6.1.2.1.17.2.13.0", "INTEGER", "rw", 200, "range=100..1000")
inst("1.3.6.1.2.1.17.2.14.0", "INTEGER", "rw", 1500, "range=400..3000")
S = "1.3.6.1.2.1.17.2.15.1"
emit("@table %s index=int(1..24)" % S)
emit("@column %s.2 INTEGER rw 128 range=0..255" % S)
emit("@column %s.4 INTEGER rw 1 enum=O24" % S)
emit("@column %s.5 INTEGER rw 20000 range=1..65535" % S)
rows(S, [
    (1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "rw", 128),
    (3, "INTEGER", "ro", lambda p: 5 if up(p) else 1, "enum=O33"),
    (4, "INTEGER", "rw", 1),
    (5, "INTEGER", "rw", lambda p: 4 if p in GIGABIT else 19),
    (6, "STRING", "ro", hexs(bridge_id)), (7, "INTEGER", "ro", 0), (8, "STRING", "ro", hexs(bridge_id)),
    (9, "STRING", "ro", lambda p: hexs([0x80, p])), (10, "COUNTER", "ro", lambda p: 1 if up(p) else 0),
    (11, "INTEGER", "ro", lambda p: 20000 if p in GIGABIT else 200000),
], PORTS)
inst("1.3.6.1.2.1.17.2.16.0", "INTEGER", "rw", 2, "enum=StpVersion")
inst("1.3.6.1.2.1.17.2.17.0", "INTEGER", "rw", 3, "range=1..10")
R = "1.3.6.1.2.1.17.2.19.1"
emit("@table %s index=int(1..24)" % R)
emit("@column %s.1 INTEGER rw 2 enum=TruthValue" % R)
emit("@column %s.2 INTEGER rw 2 enum=TruthValue" % R)
emit("@column %s.4 INTEGER rw 2 enum=O34" % R)
emit("@column %s.6 INTEGER rw 0 range=0..200000000" % R)
rows(R, [(1, "INTEGER", "rw", 2), (2, "INTEGER", "rw", 2), (3, "INTEGER", "ro", 2, "enum=TruthValue"),
         (4, "INTEGER", "rw", 2), (5, "INTEGER", "ro", 1, "enum=TruthValue"), (6, "INTEGER", "rw", 0)], PORTS)
emit()

emit("# ---- BRIDGE-MIB transparent bridging (1.3.6.1.2.1.17.4): ageing, learned addresses, port frames")
inst("1.3.6.1.2.1.17.4.1.0", "COUNTER", "ro", 0)
inst("1.3.6.1.2.1.17.4.2.0", "INTEGER", "rw", 300, "range=10..1000000")
pvid = lambda p: 10 if 9 <= p <= 12 else 1
# Hosts behind the linked ports: three behind the uplink, one behind every other port.
hosts = []
for p in sorted(x for x in PORTS if up(x)):
    for h in range(3 if p == 1 else 1):
        hosts.append(([0x00, 0x1A, 0x2B, 0x00, p, 0x10 + h], p))
fdb = [(m, p, 3) for m, p in hosts] + [(mac(0), 0, 4)]
F = "1.3.6.1.2.1.17.4.3.1"
rows(F, [(1, "STRING", "ro", lambda i: hexs(list(i))), (2, "INTEGER", "ro", lambda i: dict(
    (tuple(m), p) for m, p, st in fdb)[i]), (3, "INTEGER", "ro", lambda i: dict((tuple(m), st) for m, p, st in fdb)[i],
                                            "enum=FdbStatus")], sorted(tuple(m) for m, p, st in fdb))
TP = "1.3.6.1.2.1.17.4.4.1"
rows(TP, [(1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "ro", 1500)], PORTS)
for col, share in [(3, 1 / 620.0), (4, 1.3 / 620.0)]:
    for p in PORTS:
        inst("%s.%d.%d" % (TP, col, p), "COUNTER", "ro", 4000 * p if up(p) else 0,
             "rate=%d" % int(octet_rate(p) * share))
rows(TP, [(5, "COUNTER", "ro", lambda p: 2 if p == 5 else 0)], PORTS)
emit()

emit("# ---- P-BRIDGE-MIB (1.3.6.1.2.1.17.6)")
inst("1.3.6.1.2.1.17.6.1.1.1.0", "STRING", "ro", "0x52")
inst("1.3.6.1.2.1.17.6.1.1.2.0", "INTEGER", "rw", 1, "enum=TruthValue")
inst("1.3.6.1.2.1.17.6.1.1.3.0", "INTEGER", "rw", 2, "enum=EnabledStatus")
P = "1.3.6.1.2.1.17.6.1.2"
rows(P + ".1.1", [(1, "INTEGER", "rw", 0, "range=0..7"), (2, "INTEGER", "rw", 4, "range=1..8")], PORTS)
pu = [(p, u) for p in PORTS for u in range(8)]
rows(P + ".2.1", [(2, "INTEGER", "rw", lambda i: i[1], "range=0..7")], pu)
classes = [1, 0, 0, 1, 2, 2, 3, 3]
rows(P + ".3.1", [(2, "INTEGER", "rw", lambda i: classes[i[1]], "range=0..7")], pu)
rows(P + ".4.1", [(1, "INTEGER", "ro", lambda i: i[1])], pu)
# Port capabilities: tagging, configurable frame types, ingress filtering.
rows("1.3.6.1.2.1.17.6.1.1.4.1", [(1, "STRING", "ro", "0xE0")], PORTS)
# GARP timers in hundredths of a second, GMRP per port.
rows("1.3.6.1.2.1.17.6.1.3.1.1", [(1, "INTEGER", "rw", 20, "range=10..1000"),
                                  (2, "INTEGER", "rw", 60, "range=20..3000"),
                                  (3, "INTEGER", "rw", 1000, "range=100..60000")], PORTS)
rows("1.3.6.1.2.1.17.6.1.4.1.1", [(1, "INTEGER", "rw", 1, "enum=EnabledStatus"), (2, "COUNTER", "ro", 0),
                                  (3, "STRING", "ro", hexs([0] * 6)), (4, "INTEGER", "rw", 2, "enum=TruthValue")],
     PORTS)
emit()

emit("# ---- Q-BRIDGE-MIB base and port VLAN table (1.3.6.1.2.1.17.7)")
inst("1.3.6.1.2.1.17.7.1.1.1.0", "INTEGER", "ro", 1)
inst("1.3.6.1.2.1.17.7.1.1.2.0", "INTEGER", "ro", 4094)
inst("1.3.6.1.2.1.17.7.1.1.3.0", "GAUGE", "ro", 256)
# VLANs 1 (every port), 10 (servers, ports 9-12 untagged) and 20 (lab, tagged), the VLANs
# of the port VLAN IDs and of IGMP snooping.
static_vlans = {1: ("default", range(1, 25), [p for p in PORTS if pvid(p) == 1]),
                10: ("servers", [9, 10, 11, 12, 23], [9, 10, 11, 12]),
                20: ("lab", [17, 18, 19, 20, 23], [])}
inst("1.3.6.1.2.1.17.7.1.1.4.0", "GAUGE", "ro", len(static_vlans))
inst("1.3.6.1.2.1.17.7.1.1.5.0", "INTEGER", "rw", 2, "enum=EnabledStatus")
Q = "1.3.6.1.2.1.17.7.1"
# One filtering database per VLAN; the learned addresses of the bridge's own table.
rows(Q + ".2.1.1", [(2, "COUNTER", "ro", lambda v: len([1 for m, p in hosts if v == pvid(p)]))], sorted(static_vlans))
qfdb = sorted((pvid(p),) + tuple(m) for m, p in hosts)
rows(Q + ".2.2.1", [(2, "INTEGER", "ro", lambda i: dict((tuple(m), p) for m, p in hosts)[i[1:]]),
                    (3, "INTEGER", "ro", 3, "enum=FdbStatus")], qfdb)
# Static addresses: a server pinned to port 3, a multicast group flooded to 1, 3 and 5.
rows(Q + ".3.1.1", [(3, "STRING", "ro", portlist([3])), (4, "INTEGER", "ro", 3, "enum=StaticStatus")],
     [(1, 0x00, 0x1D, 0x4F, 0x00, 0x00, 0x99, 0)])
rows(Q + ".3.2.1", [(3, "STRING", "ro", portlist([1, 3, 5])), (4, "STRING", "ro", portlist([])),
                    (5, "INTEGER", "ro", 3, "enum=StaticStatus")], [(1, 0x01, 0x00, 0x5E, 0x7F, 0xFF, 0xFA, 0)])
# The current VLANs follow the static table (the simulator rebuilds them after a Set).
rows(Q + ".4.2.1", [(3, "GAUGE", "ro", lambda i: i[1]),
                    (4, "STRING", "ro", lambda i: portlist(static_vlans[i[1]][1])),
                    (5, "STRING", "ro", lambda i: portlist(static_vlans[i[1]][2])),
                    (6, "INTEGER", "ro", 2, "enum=VlanStatus"), (7, "TIMETICKS", "ro", 0)],
     [(0, v) for v in sorted(static_vlans)])
VS = Q + ".4.3.1"
table(VS, 5, "int(1..4094)", ["1 STRING rc \"\" size=0..32", "2 STRING rc 0x00000000 size=0..4",
                             "3 STRING rc 0x00000000 size=0..4", "4 STRING rc 0x00000000 size=0..4",
                             "5 INTEGER rc 1 enum=RowStatus"])
rows(VS, [(1, "STRING", "rc", lambda v: q(static_vlans[v][0])),
          (2, "STRING", "rc", lambda v: portlist(static_vlans[v][1])), (3, "STRING", "rc", portlist([])),
          (4, "STRING", "rc", lambda v: portlist(static_vlans[v][2])), (5, "INTEGER", "rc", 1)], sorted(static_vlans))
V = "1.3.6.1.2.1.17.7.1.4.5.1"
rows(V, [
    (1, "GAUGE", "rw", pvid, "range=1..4094"),
    (2, "INTEGER", "rw", 1, "enum=FrameTypes"),
    (3, "INTEGER", "rw", 2, "enum=TruthValue"),
    (4, "INTEGER", "rw", 2, "enum=EnabledStatus"),
    (5, "COUNTER", "ro", 0),
    (6, "STRING", "ro", hexs([0] * 6)),
], PORTS)
emit()

# ---------------------------------------------------------------- entity
emit("# ---- ENTITY-MIB physical and logical tables (1.3.6.1.2.1.47)")
EP = "1.3.6.1.2.1.47.1.1.1.1"
# index: descr, vendor type, contained in, class, position, name, hw, fw, sw, serial, model, FRU
physical = {
    1: ("MS-2416X 24-Port Gigabit Managed Switch", "1.3.6.1.4.1.171.10.43.2", 0, 3, -1, "Chassis", "A1", "1.00.002",
        "Build 2.03.018", "KV24160042", "MS-2416X", 2),
    2: ("Switching backplane", "0.0", 1, 4, 1, "Backplane", "A1", "", "", "", "", 2),
    3: ("Power supply 100-240 V AC", "0.0", 1, 6, 2, "PSU", "B", "", "", "PS24160042", "", 2),
    4: ("Cooling fan", "0.0", 1, 7, 3, "Fan", "", "", "", "", "", 1),
}
for p in PORTS:
    kind = "1000Base-T/SFP combo" if p >= 21 else "10/100/1000Base-T"
    physical[100 + p] = ("Port %d %s" % (p, kind), "0.0", 2, 10, p, "Port %d" % p, "", "", "", "", "", 2)
rows(EP, [
    (2, "STRING", "ro", lambda i: q(physical[i][0])), (3, "OID", "ro", lambda i: physical[i][1]),
    (4, "INTEGER", "ro", lambda i: physical[i][2]), (5, "INTEGER", "ro", lambda i: physical[i][3], "enum=PhysClass"),
    (6, "INTEGER", "ro", lambda i: physical[i][4]), (7, "STRING", "ro", lambda i: q(physical[i][5])),
    (8, "STRING", "ro", lambda i: q(physical[i][6])), (9, "STRING", "ro", lambda i: q(physical[i][7])),
    (10, "STRING", "ro", lambda i: q(physical[i][8])), (11, "STRING", "rw", lambda i: q(physical[i][9]), "size=0..32"),
    (12, "STRING", "ro", lambda i: q("Korvane") if i <= 3 else q("")), (13, "STRING", "ro", lambda i: q(physical[i][10])),
    (14, "STRING", "rw", q(""), "size=0..32"), (15, "STRING", "rw", q(""), "size=0..32"),
    (16, "INTEGER", "ro", lambda i: physical[i][11], "enum=TruthValue"),
], sorted(physical))
rows("1.3.6.1.2.1.47.1.2.1.1", [
    (2, "STRING", "ro", q("Layer 2 bridge")), (3, "OID", "ro", "1.3.6.1.2.1.17"), (4, "STRING", "ro", q("public")),
    (5, "STRING", "ro", hexs(list(MGMT_IP) + [0, 161])), (6, "OID", "ro", "1.3.6.1.6.1.1"),
    (7, "STRING", "ro", hexs([0x80, 0x00, 0x00, 0xAB, 0x03] + mac(0))), (8, "STRING", "ro", q("")),
], [1])
inst("1.3.6.1.2.1.47.1.4.1.0", "TIMETICKS", "ro", 0)
emit()

# ---------------------------------------------------------------- IEEE 802.1X PAE
emit("# ---- IEEE8021-PAE-MIB (1.0.8802.1.1.1)")
X1 = "1.0.8802.1.1.1.1"
inst(X1 + ".1.1.0", "INTEGER", "rw", 2, "enum=O24")
rows(X1 + ".1.2.1", [(2, "GAUGE", "ro", 1), (3, "STRING", "ro", "0x80"),
                     (4, "INTEGER", "rw", 2, "enum=TruthValue"), (5, "INTEGER", "rw", 2, "enum=TruthValue")], PORTS)
rows(X1 + ".2.1.1", [
    (1, "INTEGER", "ro", 8, "enum=O26"), (2, "INTEGER", "ro", 6, "enum=O27"),
    (3, "INTEGER", "rw", 0, "enum=O28"), (4, "INTEGER", "ro", 0, "enum=O28"),
    (5, "INTEGER", "ro", 1, "enum=O29"), (6, "INTEGER", "rw", 3, "enum=O30"),
    (7, "GAUGE", "rw", 60, "range=0..65535"), (8, "GAUGE", "rw", 30, "range=1..65535"),
    (9, "GAUGE", "rw", 30, "range=1..65535"), (10, "GAUGE", "rw", 30, "range=1..65535"),
    (11, "GAUGE", "rw", 2, "range=1..10"), (12, "GAUGE", "rw", 3600, "range=1..4294967295"),
    (13, "INTEGER", "rw", 2, "enum=TruthValue"), (14, "INTEGER", "rw", 2, "enum=TruthValue"),
], PORTS)
rows(X1 + ".2.2.1", [(c, "COUNTER", "ro", 0) for c in range(1, 11)] +
     [(11, "GAUGE", "ro", 0), (12, "STRING", "ro", hexs([0] * 6))], PORTS)
rows(X1 + ".2.3.1", [(c, "COUNTER", "ro", 0) for c in range(1, 19)], PORTS)
rows(X1 + ".2.4.1", [
    (1, "COUNTER64", "ro", 0), (2, "COUNTER64", "ro", 0), (3, "COUNTER", "ro", 0), (4, "COUNTER", "ro", 0),
    (5, "STRING", "ro", q("")), (6, "INTEGER", "ro", 1, "enum=O31"), (7, "TIMETICKS", "ro", 0),
    (8, "INTEGER", "ro", 999, "enum=O32"), (9, "STRING", "ro", q("")),
], PORTS)
emit()

# ---------------------------------------------------------------- maker's objects
emit("# ---- agent information and control (1.3.6.1.4.1.171.12.1)")
A = "1.3.6.1.4.1.171.12.1"
inst(A + ".1.1.0", "INTEGER", "ro", 2, "enum=O2")
caps = [("RFC1213 MIB-II", 1, 2), ("RFC1493 BRIDGE-MIB", 1, 2), ("RFC2674 P-BRIDGE-MIB and Q-BRIDGE-MIB", 1, 2),
        ("RFC2819 RMON-MIB", 1, 2), ("IEEE 802.1X PAE-MIB", 1, 2), ("RFC2863 IF-MIB", 1, 2),
        ("MS-2416X private MIB", 3, 3)]
rows(A + ".1.2.1", [(1, "INTEGER", "ro", lambda i: i), (2, "STRING", "ro", lambda i: q(caps[i - 1][0])),
                    (3, "INTEGER", "ro", lambda i: caps[i - 1][1]),
                    (4, "INTEGER", "ro", lambda i: caps[i - 1][2], "enum=O6")], range(1, len(caps) + 1))
inst(A + ".1.3.0", "INTEGER", "ro", 3, "enum=O3")
inst(A + ".1.4.0", "INTEGER", "ro", 3, "enum=O4")
inst(A + ".1.5.0", "INTEGER", "ro", 1, "enum=O5")
inst(A + ".1.6.0", "STRING", "ro", q("Build 2.03.018"))
inst(A + ".1.7.0", "STRING", "ro", q("1.00.002"))
inst(A + ".1.8.0", "STRING", "ro", q("A1"))
inst(A + ".1.9.1.0", "INTEGER", "ro", 7, "live=cpu")
inst(A + ".1.9.2.0", "INTEGER", "ro", 6, "live=cpu")
inst(A + ".1.9.3.0", "INTEGER", "ro", 5, "live=cpu")
inst(A + ".2.3.0", "INTEGER", "rw", 4, "enum=O36")
inst(A + ".2.6.0", "INTEGER", "rw", 2, "enum=O35")
inst(A + ".5.1.0", "IPADDRESS", "rw", "0.0.0.0")
inst(A + ".5.2.0", "INTEGER", "rw", 4, "range=1..255")
inst(A + ".5.3.0", "INTEGER", "rw", 0, "enum=O46")
inst(A + ".5.4.0", "INTEGER", "ro", 0, "enum=O47")
inst(A + ".5.5.0", "INTEGER", "ro", 0)
inst(A + ".5.6.0", "INTEGER", "ro", 0)
emit()

L2 = "1.3.6.1.4.1.171.11.43.2.2"
emit("# ---- device information, control and alarms (%s.1)" % L2)
inst(L2 + ".1.1.1.0", "TIMETICKS", "ro", UPTIME, "live=uptime")
inst(L2 + ".1.1.2.0", "INTEGER", "ro", 24)
inst(L2 + ".1.1.3.0", "INTEGER", "ro", len([p for p in PORTS if up(p)]), "live=portsinuse")
inst(L2 + ".1.1.4.0", "STRING", "ro", hexs([0] * 55), "live=led")
inst(L2 + ".1.1.5.0", "INTEGER", "ro", 2, "enum=O7")
for n, v, a in [(1, 3, "enum=O1"), (2, 2, "enum=O1"), (3, 3, "enum=O1"), (4, 1, "enum=O8")]:
    inst("%s.1.2.%d.0" % (L2, n), "INTEGER", "rw", v, a)
inst(L2 + ".1.2.5.0", "STRING", "rw", q("2004/08/24 09:00:00"), "size=0..32")
inst(L2 + ".1.2.6.0", "INTEGER", "rw", 2, "enum=O9")
inst(L2 + ".1.2.7.0", "INTEGER", "rw", 2, "enum=O9")
inst(L2 + ".1.2.8.0", "INTEGER", "rw", 2, "enum=O10")
inst(L2 + ".1.2.9.0", "INTEGER", "rw", 1, "range=1..4094")
inst(L2 + ".1.3.1.0", "INTEGER", "rw", 2, "enum=O1")
inst(L2 + ".1.3.2.0", "INTEGER", "rw", 2, "enum=O1")
inst(L2 + ".1.3.3.0", "INTEGER", "rw", 3, "enum=O1")
emit()

emit("# ---- port information and control")
ptype = lambda p: 7 if p in FIBRE else 4
nway = lambda p: (8 if p in GIGABIT else 6) if up(p) else 2
rows(L2 + ".3.1.1", [(1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "ro", 1),
                     (3, "INTEGER", "ro", ptype, "enum=O11"),
                     (4, "INTEGER", "ro", lambda p: 2 if p in LINKED and p not in DISABLED else 3, "enum=O12"),
                     (5, "INTEGER", "ro", nway, "enum=O13")], PORTS)
C = L2 + ".3.2.1"
emit("@table %s index=int(1..24)" % C)
emit("@column %s.3 INTEGER rw 3 enum=O1" % C)
emit("@column %s.4 INTEGER rw 2 enum=Nway" % C)
emit("@column %s.5 INTEGER rw 2 enum=O1" % C)
emit("@column %s.6 INTEGER rw 3 enum=O1" % C)
rows(C, [(1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "ro", 1),
         (3, "INTEGER", "rw", lambda p: 2 if p in DISABLED else 3), (4, "INTEGER", "rw", 2),
         (5, "INTEGER", "rw", 2), (6, "INTEGER", "rw", 3)], PORTS)
rows(L2 + ".7.1.1", [(1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "rw", 1, "range=0..64"),
                     (3, "INTEGER", "rw", 3, "enum=O14"), (4, "INTEGER", "rw", 3, "enum=O15")], PORTS)
emit()

emit("# ---- port trunking: rows by RowStatus; members are 4-octet port lists")
T = L2 + ".9.3.1"
emit("@table %s rowstatus=6 index=int(1..32)" % T)
emit("@column %s.1 INTEGER ro 0 index=1" % T)
emit("@column %s.2 INTEGER rc 0 range=0..24" % T)
emit("@column %s.3 STRING rc 0x00000000 size=4" % T)
emit("@column %s.4 INTEGER ro 0" % T)
emit("@column %s.5 INTEGER rc 2 enum=TrunkType" % T)
emit("@column %s.6 INTEGER rc 1 enum=RowStatus" % T)
rows(T, [(1, "INTEGER", "ro", 1), (2, "INTEGER", "rc", 9), (3, "STRING", "rc", portlist([9, 10, 11, 12])),
         (4, "INTEGER", "ro", 9), (5, "INTEGER", "rc", 2), (6, "INTEGER", "rc", 1)], [1])
emit()

emit("# ---- port mirroring")
inst(L2 + ".10.1.0", "INTEGER", "rw", 1, "range=1..24")
inst(L2 + ".10.2.0", "STRING", "rw", portlist([]), "size=4")
inst(L2 + ".10.3.0", "STRING", "rw", portlist([]), "size=4")
inst(L2 + ".10.4.0", "INTEGER", "rw", 2, "enum=O37")
emit()

emit("# ---- IGMP snooping")
vlans = [1, 10, 20]
rows(L2 + ".11.3.1", [
    (1, "INTEGER", "ro", lambda v: v),
    (2, "INTEGER", "rw", 125, "range=1..65535"), (3, "INTEGER", "rw", 10, "range=1..25"),
    (4, "INTEGER", "rw", 2, "range=1..255"), (5, "INTEGER", "rw", 1, "range=1..25"),
    (6, "INTEGER", "rw", 260, "range=1..16711450"), (7, "INTEGER", "rw", 260, "range=1..16711450"),
    (8, "INTEGER", "rw", 2, "range=0..16711450"), (9, "INTEGER", "rw", 2, "enum=O1"),
    (10, "INTEGER", "ro", 3, "enum=O16"), (11, "INTEGER", "rw", lambda v: 3 if v == 1 else 2, "enum=O10"),
    (12, "INTEGER", "rw", 2, "enum=O1"),
], vlans)
rows(L2 + ".11.4.1", [(1, "INTEGER", "ro", lambda v: v), (2, "INTEGER", "ro", lambda v: 42 if v == 1 else 0),
                      (3, "INTEGER", "ro", 0)], vlans)
groups = [((1, 224, 0, 1, 60), [0x01, 0x00, 0x5E, 0x00, 0x01, 0x3C], [3], 4),
          ((1, 239, 255, 255, 250), [0x01, 0x00, 0x5E, 0x7F, 0xFF, 0xFA], [1, 3, 5], 12),
          ((10, 239, 1, 1, 1), [0x01, 0x00, 0x5E, 0x01, 0x01, 0x01], [9, 12], 7)]
I = L2 + ".11.5.1"
for idx, m, ports, count in groups:
    key = ".".join(str(x) for x in idx)
    inst("%s.1.%s" % (I, key), "INTEGER", "ro", idx[0])
    inst("%s.2.%s" % (I, key), "IPADDRESS", "ro", ".".join(str(x) for x in idx[1:]))
    inst("%s.3.%s" % (I, key), "STRING", "ro", hexs(m))
    inst("%s.4.%s" % (I, key), "STRING", "ro", portlist(ports))
    inst("%s.5.%s" % (I, key), "INTEGER", "ro", count)
emit()

emit("# ---- traffic control and segmentation, port bandwidth")
rows(L2 + ".13.1.1", [
    (1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "ro", 1),
    (3, "INTEGER", "rw", 2, "enum=O1"), (4, "INTEGER", "rw", 2, "enum=O1"), (5, "INTEGER", "rw", 2, "enum=O1"),
    (6, "INTEGER", "rw", 128000, "range=0..255000"), (7, "INTEGER", "rw", 128000, "range=0..255000"),
    (8, "INTEGER", "rw", 128000, "range=0..255000"),
], PORTS)
rows(L2 + ".14.1.1", [(1, "INTEGER", "ro", lambda p: p),
                      (2, "STRING", "rw", portlist(range(1, 25)), "size=4")], PORTS)
B = "1.3.6.1.4.1.171.11.43.2.1.1.1.1"
rows(B, [(1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "ro", 3, "enum=O17"),
         (3, "STRING", "rw", q("no_limit"), "size=0..16"), (4, "STRING", "rw", q("no_limit"), "size=0..16"),
         (5, "INTEGER", "ro", 3, "enum=O18")], PORTS)
emit()

emit("# ---- RADIUS and MAC-based 802.1X (1.3.6.1.4.1.171.12.3)")
RA = "1.3.6.1.4.1.171.12.3"
inst(RA + ".1.1.0", "INTEGER", "rw", 2, "enum=O19")
inst(RA + ".1.2.0", "INTEGER", "rw", 1, "enum=O20")
rows(RA + ".4.3.1", [(1, "INTEGER", "ro", lambda i: i, "enum=O21"), (2, "INTEGER", "rw", 1, "enum=O22"),
                     (3, "INTEGER", "rw", 1, "enum=O23")], [1, 2, 3])
servers = {1: "10.90.90.10", 2: "0.0.0.0", 3: "0.0.0.0"}
rows(RA + ".3.3.1", [(1, "INTEGER", "ro", lambda i: i), (2, "IPADDRESS", "ro", lambda i: servers[i]),
                     (3, "GAUGE", "ro", 1812)], [1, 2, 3])
rows(RA + ".5.3.1", [(1, "INTEGER", "ro", lambda i: i), (3, "GAUGE", "ro", 1813)], [1, 2, 3])
clients = [tuple([0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 3]), tuple([0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F, 5])]
rows(RA + ".6.1.1", [(1, "STRING", "ro", lambda i: hexs(list(i[:6]))), (2, "INTEGER", "ro", lambda i: i[6]),
                     (3, "INTEGER", "ro", 5, "enum=O26"), (4, "INTEGER", "ro", 6, "enum=O27"),
                     (5, "INTEGER", "ro", 1, "enum=O29")], clients)
rows(RA + ".6.2.1", [(c, "COUNTER", "ro", 3 * c) for c in range(1, 11)] +
     [(11, "GAUGE", "ro", 2), (12, "STRING", "ro", lambda i: hexs(list(i[:6])))], clients)
rows(RA + ".6.3.1", [(c, "COUNTER", "ro", 1 if c in (1, 3, 4, 17) else 0) for c in range(1, 19)], clients)
rows(RA + ".6.4.1", [
    (1, "COUNTER64", "ro", 48213377), (2, "COUNTER64", "ro", 5120331), (3, "COUNTER", "ro", 40211),
    (4, "COUNTER", "ro", 21877), (5, "STRING", "ro", lambda i: q("%02X%02X-%d" % (i[4], i[5], i[6]))),
    (6, "INTEGER", "ro", 1, "enum=O31"), (7, "TIMETICKS", "ro", 864000), (8, "INTEGER", "ro", 999, "enum=O32"),
    (9, "STRING", "ro", lambda i: q("user%d" % i[6])),
], clients)
emit()

emit("# ---- link aggregation port mode (1.3.6.1.4.1.171.12.2)")
rows("1.3.6.1.4.1.171.12.2.1.1.1.1", [(1, "INTEGER", "ro", lambda p: p), (2, "INTEGER", "rw", 3, "enum=O42")], PORTS)
emit()

emit("# ---- access authentication control (1.3.6.1.4.1.171.12.5)")
AA = "1.3.6.1.4.1.171.12.5"
inst(AA + ".1.1.0", "INTEGER", "rw", 2, "enum=O37")
for n, t, a, v, attr in [(1, "INTEGER", "ro", 8, ""), (2, "INTEGER", "ro", 8, ""), (3, "INTEGER", "ro", 16, ""),
                         (4, "INTEGER", "rw", 30, "range=1..255"), (5, "INTEGER", "rw", 3, "range=1..255"),
                         (6, "STRING", "rw", q("default"), "size=0..15"), (7, "STRING", "rw", q("default"), "size=0..15")]:
    inst("%s.2.%d.0" % (AA, n), t, a, v, *([attr] if attr else []))


def string_index(text):
    return tuple([len(text)] + [ord(c) for c in text])


M = AA + ".3.1"
emit("@table %s rowstatus=5 index=string,int(1..4)" % M)
emit("@column %s.3 INTEGER rc 0 enum=O38" % M)
emit("@column %s.4 STRING rc \"\" size=0..15" % M)
emit("@column %s.5 INTEGER rc 1 enum=RowStatus" % M)
rows(M, [(3, "INTEGER", "rc", 1102), (4, "STRING", "rc", q("")), (5, "INTEGER", "rc", 1)],
     [string_index("default") + (1,)])
G = AA + ".4.1"
emit("@table %s rowstatus=5 index=string,int(1..8)" % G)
emit("@column %s.3 IPADDRESS rc 0.0.0.0" % G)
emit("@column %s.4 INTEGER rc 1 enum=O40" % G)
emit("@column %s.5 INTEGER rc 1 enum=RowStatus" % G)
rows(G, [(3, "IPADDRESS", "rc", "10.90.90.20"), (4, "INTEGER", "rc", 3), (5, "INTEGER", "rc", 1)],
     [string_index("tacacs+") + (1,)])
SV = AA + ".5.1"
emit("@table %s rowstatus=7 index=ip,int(1..3)" % SV)
emit("@column %s.3 INTEGER rc 49 range=1..65535" % SV)
emit("@column %s.4 STRING rc \"\" size=0..254" % SV)
emit("@column %s.5 INTEGER rc 5 range=1..255" % SV)
emit("@column %s.6 INTEGER rc 2 range=1..255" % SV)
emit("@column %s.7 INTEGER rc 1 enum=RowStatus" % SV)
rows(SV, [(3, "INTEGER", "rc", 49), (4, "STRING", "rc", q("secret")), (5, "INTEGER", "rc", 5),
          (6, "INTEGER", "rc", 2), (7, "INTEGER", "rc", 1)], [(10, 90, 90, 20, 3)])
emit()

emit("# ---- SSH and SSL (1.3.6.1.4.1.171.12.6, .7)")
SH = "1.3.6.1.4.1.171.12.6"
inst(SH + ".1.2.0", "INTEGER", "rw", 2, "enum=O37")
inst(SH + ".1.3.0", "INTEGER", "rw", 2, "range=2..20")
inst(SH + ".1.4.0", "INTEGER", "rw", 0, "enum=O41")
inst(SH + ".1.5.0", "INTEGER", "rw", 8, "range=1..8")
inst(SH + ".1.6.0", "INTEGER", "rw", 120, "range=120..600")
inst(SH + ".1.7.0", "INTEGER", "rw", 22, "range=1..65535")
for group, n in [(1, 2), (2, 3), (3, 2), (5, 2)]:
    for i in range(1, n + 1):
        inst("%s.3.%d.%d.0" % (SH, group, i), "INTEGER", "rw", 3, "enum=O37")
SL = "1.3.6.1.4.1.171.12.7"
inst(SL + ".1.1.0", "INTEGER", "rw", 3, "enum=O37")
inst(SL + ".1.2.0", "INTEGER", "rw", 3, "enum=O37")
inst(SL + ".1.3.0", "STRING", "rw", "0xF0000000", "size=1..4")
inst(SL + ".2.1.0", "IPADDRESS", "rw", "0.0.0.0")
inst(SL + ".2.2.0", "STRING", "rw", q(""), "size=0..64")
inst(SL + ".2.4.0", "STRING", "rw", q(""), "size=0..64")
inst(SL + ".2.5.0", "INTEGER", "rw", 2, "enum=O43")
emit()

emit("# ---- single IP management (1.3.6.1.4.1.171.12.8)")
SI = "1.3.6.1.4.1.171.12.8.1"
inst(SI + ".1.1.0", "STRING", "ro", q("1.61"))
inst(SI + ".1.2.0", "STRING", "ro", q("Basic"))
inst(SI + ".1.3.0", "STRING", "ro", q("MS-2416X L2 Switch"))
inst(SI + ".2.1.0", "INTEGER", "rw", 2, "enum=O1")
inst(SI + ".2.2.0", "INTEGER", "rw", 2, "enum=O44")
inst(SI + ".2.3.0", "INTEGER", "rw", 100, "range=100..255")
inst(SI + ".2.4.0", "INTEGER", "rw", 60, "range=30..90")
MS = SI + ".3.1"
emit("@table %s rowstatus=10 index=int(1..32)" % MS)
emit("@column %s.1 INTEGER ro 0 index=1" % MS)
for c, t, v in [(2, "STRING", q("")), (3, "STRING", "0x000000000000"), (4, "STRING", q("")), (5, "STRING", q("")),
                (6, "STRING", q(""))]:
    emit("@column %s.%d %s ro %s" % (MS, c, t, v))
emit("@column %s.7 INTEGER ro 0" % MS)
emit("@column %s.8 INTEGER rc 0 range=0..32" % MS)
emit("@column %s.9 STRING rc \"\" size=0..20" % MS)
emit("@column %s.10 INTEGER rc 1 enum=RowStatus" % MS)
rows(SI + ".4.1", [(1, "INTEGER", "ro", 1), (2, "STRING", "ro", q("Switch-B")),
                   (3, "STRING", "ro", hexs([0x00, 0x1D, 0x4F, 0x00, 0x00, 0x02])), (4, "STRING", "ro", q("1.61")),
                   (5, "STRING", "ro", q("Basic")), (6, "STRING", "ro", q("MS-2416X L2 Switch")),
                   (7, "INTEGER", "ro", 100)], [1])
# One other SIM group heard on the network: a commander with two members.
emit("@table %s.5.1 index=mac" % SI)
rows(SI + ".5.1", [(2, "STRING", "ro", q("Lab-Group")), (3, "STRING", "ro", q("Switch-C")), (4, "INTEGER", "ro", 2),
                   (5, "STRING", "ro", q("1.61")), (6, "STRING", "ro", q("Basic")),
                   (7, "STRING", "ro", q("MS-2416X L2 Switch")), (8, "INTEGER", "ro", 100)],
     [(0x00, 0x1D, 0x4F, 0x00, 0x00, 0x03)])
rows(SI + ".6.1", [(3, "INTEGER", "ro", 2, "enum=O48")], [(5, 0x00, 0x1D, 0x4F, 0x00, 0x00, 0x02)])
emit()

emit("# ---- ACL profiles (masks) and rules (1.3.6.1.4.1.171.12.9); rows by RowStatus")
ACL = "1.3.6.1.4.1.171.12.9"


table(ACL + ".1.1.1", 9, "int(1..255)", [
    "1 INTEGER ro 0 index=1", "2 STRING rc 0x00000000 size=4", "3 INTEGER rc 2 enum=EnDis",
    "4 INTEGER rc 1 enum=MacMaskState", "5 STRING rc 0x000000000000 size=6", "6 STRING rc 0x000000000000 size=6",
    "7 INTEGER rc 2 enum=EnDis", "8 INTEGER rc 2 enum=EnDis", "9 INTEGER rc 1 enum=RowStatus"])
rows(ACL + ".1.1.1", [(1, "INTEGER", "ro", 1), (2, "STRING", "rc", portlist(range(1, 9))), (3, "INTEGER", "rc", 2),
                      (4, "INTEGER", "rc", 2), (5, "STRING", "rc", "0x000000000000"),
                      (6, "STRING", "rc", "0xFFFFFFFFFFFF"), (7, "INTEGER", "rc", 2), (8, "INTEGER", "rc", 2),
                      (9, "INTEGER", "rc", 1)], [1])
table(ACL + ".1.2.1", 19, "int(1..255)", [
    "1 INTEGER ro 0 index=1", "2 STRING rc 0x00000000 size=4", "3 INTEGER rc 2 enum=EnDis",
    "4 INTEGER rc 1 enum=IpMaskState", "5 IPADDRESS rc 0.0.0.0", "6 IPADDRESS rc 0.0.0.0", "7 INTEGER rc 2 enum=EnDis",
    "8 INTEGER rc 1 enum=ProtoType", "9 INTEGER rc 1 enum=IcmpOption", "10 INTEGER rc 2 enum=EnableDisable",
    "11 INTEGER rc 1 enum=PortOption", "12 INTEGER rc 1 enum=PortOption", "13 STRING rc \"\" size=0..8",
    "14 STRING rc \"\" size=0..8", "15 INTEGER rc 2 enum=EnableDisable", "16 INTEGER rc 0 range=0..63",
    "17 STRING rc \"\" size=0..8", "18 STRING rc \"\" size=0..8", "19 INTEGER rc 1 enum=RowStatus"])
rows(ACL + ".1.2.1", [(1, "INTEGER", "ro", 2), (2, "STRING", "rc", portlist([])), (3, "INTEGER", "rc", 2),
                      (4, "INTEGER", "rc", 3), (5, "IPADDRESS", "rc", "255.255.255.0"), (6, "IPADDRESS", "rc", "0.0.0.0"),
                      (7, "INTEGER", "rc", 2), (8, "INTEGER", "rc", 4), (9, "INTEGER", "rc", 1), (10, "INTEGER", "rc", 2),
                      (11, "INTEGER", "rc", 2), (12, "INTEGER", "rc", 1), (13, "STRING", "rc", q("")),
                      (14, "STRING", "rc", q("FFFF")), (15, "INTEGER", "rc", 2), (16, "INTEGER", "rc", 0),
                      (17, "STRING", "rc", q("")), (18, "STRING", "rc", q("")), (19, "INTEGER", "rc", 1)], [2])
table(ACL + ".1.3.1", 8, "int(1..255)", ["1 INTEGER ro 0 index=1", "2 STRING rc 0x00000000 size=4"] +
      ["%d STRING rc \"\" size=0..32" % c for c in range(3, 8)] + ["8 INTEGER rc 1 enum=RowStatus"])
rows(ACL + ".1.3.1", [(1, "INTEGER", "ro", 3), (2, "STRING", "rc", portlist([1, 2])),
                      (3, "STRING", "rc", q("FFFF0000000000000000000000000000"))] +
     [(c, "STRING", "rc", q("")) for c in range(4, 8)] + [(8, "INTEGER", "rc", 1)], [3])
table(ACL + ".2.1.1", 14, "int(1..255),int(1..255)", [
    "1 INTEGER ro 0 index=1", "2 INTEGER ro 0 index=2", "3 STRING rc \"\" size=0..32",
    "4 STRING rc 0x000000000000 size=6", "5 STRING rc 0x000000000000 size=6", "6 INTEGER rc 0 range=0..7",
    "7 STRING rc \"\" size=0..4", "8 INTEGER ro 2 enum=EnDis", "9 INTEGER rc 0 range=0..7",
    "10 INTEGER ro 2 enum=EnDis", "13 INTEGER rc 2 enum=Permit", "14 INTEGER rc 1 enum=RowStatus"])
rows(ACL + ".2.1.1", [(1, "INTEGER", "ro", 1), (2, "INTEGER", "ro", 1), (3, "STRING", "rc", q("")),
                      (4, "STRING", "rc", "0x000000000000"), (5, "STRING", "rc", "0x001D4F000099"),
                      (6, "INTEGER", "rc", 0), (7, "STRING", "rc", q("")), (8, "INTEGER", "ro", 2),
                      (9, "INTEGER", "rc", 0), (10, "INTEGER", "ro", 2), (13, "INTEGER", "rc", 1),
                      (14, "INTEGER", "rc", 1)], [(1, 1)])
table(ACL + ".2.2.1", 21, "int(1..255),int(1..255)", [
    "1 INTEGER ro 0 index=1", "2 INTEGER ro 0 index=2", "3 STRING rc \"\" size=0..32", "4 IPADDRESS rc 0.0.0.0",
    "5 IPADDRESS rc 0.0.0.0", "6 INTEGER rc 0 range=0..63", "7 INTEGER ro 1 enum=ProtoType",
    "8 INTEGER rc 0 range=0..255", "9 INTEGER rc 0 range=0..255", "10 INTEGER rc 0 range=0..65535",
    "11 INTEGER rc 0 range=0..65535", "12 INTEGER rc 0 range=0..63", "13 INTEGER rc 0 range=0..255",
    "14 STRING rc \"\" size=0..8", "18 INTEGER ro 2 enum=EnDis", "19 INTEGER rc 0 range=0..63",
    "20 INTEGER rc 2 enum=Permit", "21 INTEGER rc 1 enum=RowStatus"])
rows(ACL + ".2.2.1", [(1, "INTEGER", "ro", 2), (2, "INTEGER", "ro", 1), (3, "STRING", "rc", q("")),
                      (4, "IPADDRESS", "rc", "192.168.10.0"), (5, "IPADDRESS", "rc", "0.0.0.0"), (6, "INTEGER", "rc", 0),
                      (7, "INTEGER", "ro", 4), (8, "INTEGER", "rc", 0), (9, "INTEGER", "rc", 0),
                      (10, "INTEGER", "rc", 0), (11, "INTEGER", "rc", 80), (12, "INTEGER", "rc", 0),
                      (13, "INTEGER", "rc", 0), (14, "STRING", "rc", q("")), (18, "INTEGER", "ro", 2),
                      (19, "INTEGER", "rc", 0), (20, "INTEGER", "rc", 2), (21, "INTEGER", "rc", 1)], [(2, 1)])
table(ACL + ".2.3.1", 14, "int(1..255),int(1..255)", ["1 INTEGER ro 0 index=1", "2 INTEGER ro 0 index=2"] +
      ["%d STRING rc \"\" size=0..32" % c for c in range(3, 8)] +
      ["8 INTEGER ro 2 enum=EnDis", "9 INTEGER rc 0 range=0..7", "10 INTEGER ro 2 enum=EnDis",
       "11 INTEGER ro 2 enum=EnDis", "12 INTEGER rc 0 range=0..63", "13 INTEGER rc 2 enum=Permit",
       "14 INTEGER rc 1 enum=RowStatus"])
rows(ACL + ".2.3.1", [(1, "INTEGER", "ro", 3), (2, "INTEGER", "ro", 1),
                      (3, "STRING", "rc", q("08000000000000000000000000000000"))] +
     [(c, "STRING", "rc", q("")) for c in range(4, 8)] +
     [(8, "INTEGER", "ro", 1), (9, "INTEGER", "rc", 3), (10, "INTEGER", "ro", 2), (11, "INTEGER", "ro", 2),
      (12, "INTEGER", "rc", 0), (13, "INTEGER", "rc", 2), (14, "INTEGER", "rc", 1)], [(3, 1)])
emit()

emit("# ---- SNMP-COMMUNITY-MIB (1.3.6.1.6.3.18); the rows of the command line's communities")
emit("#      are added at start-up")
CM = "1.3.6.1.6.3.18.1.1.1"
table(CM, 8, "implied-string", ["2 STRING rc \"\" size=0..255", "3 STRING rc \"\" size=0..32",
                                "4 STRING rc \"\" size=0..32", "5 STRING rc \"\" size=0..32",
                                "6 STRING rc \"\" size=0..255", "7 INTEGER rc 3 enum=O49",
                                "8 INTEGER rc 1 enum=RowStatus"])
emit("@table 1.3.6.1.6.3.18.1.2.1 index=implied-string")

path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ms2416x.simdata")
with open(path, "w") as f:
    f.write("\n".join(out) + "\n")
print("wrote %s (%d lines)" % (path, len(out)))
