# Puts the pain.008.001.02 schema at DEST, unless it is there: Debian's package
# tryton-modules-account-payment-sepa ships it among its tests; the package is fetched with
# apt-get download and unpacked with dpkg -x beside DEST, never installed.
#     cmake -DDEST=<build>/remesa/pain.008.001.02.xsd -P esquema_pain008.cmake
if(EXISTS ${DEST})
    return()
endif()
get_filename_component(dir ${DEST} DIRECTORY)
set(work ${dir}/paquete-xsd)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
execute_process(COMMAND apt-get download tryton-modules-account-payment-sepa
    WORKING_DIRECTORY ${work} RESULT_VARIABLE rc)
file(GLOB deb ${work}/*.deb)
if(NOT rc EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "apt-get download tryton-modules-account-payment-sepa failed (${rc})")
endif()
execute_process(COMMAND dpkg -x ${deb} ${work}/x RESULT_VARIABLE rc)
file(GLOB_RECURSE xsd ${work}/x/pain.008.001.02.xsd)
list(FILTER xsd INCLUDE REGEX "/account_payment_sepa/tests/pain.008.001.02.xsd$")
if(NOT rc EQUAL 0 OR NOT xsd)
    message(FATAL_ERROR "the package holds no account_payment_sepa/tests/pain.008.001.02.xsd")
endif()
file(COPY_FILE ${xsd} ${DEST})
file(REMOVE_RECURSE ${work})
