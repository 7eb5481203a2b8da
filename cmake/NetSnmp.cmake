# net-snmp ships no CMake package; net-snmp-config knows its link lines.
find_program(NET_SNMP_CONFIG net-snmp-config REQUIRED)
find_path(NETSNMP_INCLUDE_DIR net-snmp/net-snmp-config.h REQUIRED)
find_library(NETSNMP_LIBRARY netsnmp REQUIRED)

add_library(NetSnmp::netsnmp UNKNOWN IMPORTED)
set_target_properties(NetSnmp::netsnmp PROPERTIES
  IMPORTED_LOCATION ${NETSNMP_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${NETSNMP_INCLUDE_DIR})

# The agent library (for the switch simulator) with everything it pulls in.
execute_process(COMMAND ${NET_SNMP_CONFIG} --agent-libs
  OUTPUT_VARIABLE NETSNMP_AGENT_LIBS OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(NETSNMP_AGENT_LIBS UNIX_COMMAND "${NETSNMP_AGENT_LIBS}")
add_library(NetSnmp::agent INTERFACE IMPORTED)
set_target_properties(NetSnmp::agent PROPERTIES
  INTERFACE_LINK_LIBRARIES "${NETSNMP_AGENT_LIBS}"
  INTERFACE_INCLUDE_DIRECTORIES ${NETSNMP_INCLUDE_DIR})
