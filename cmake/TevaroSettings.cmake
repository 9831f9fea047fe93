# Compile settings shared by every target of the project.
add_library(tevaro_settings INTERFACE)
target_compile_features(tevaro_settings INTERFACE cxx_std_20)
target_compile_options(tevaro_settings INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor>
    $<$<CXX_COMPILER_ID:MSVC>:/W4 /utf-8>)
target_compile_definitions(tevaro_settings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)
