# Writes OUTPUT, a C++ source holding the raw bytes of each image NAME.rgb of
# RES_DIR as an embedded_image; NAMES is comma-separated. Run with cmake -P
# at build time.
string(REPLACE "," ";" NAMES "${NAMES}")
set(body "// Generated from the res/ images at build time; do not edit.\n#include \"platform/posix/embedded_images.h\"\n\nnamespace {\n")
set(table "")
foreach(name IN LISTS NAMES)
  file(READ ${RES_DIR}/${name}.rgb hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char ${name}_bytes[] = {${bytes}};\n")
  string(APPEND table "    {\"${name}\", ${name}_bytes, sizeof ${name}_bytes},\n")
endforeach()
list(LENGTH NAMES count)
string(APPEND body "}  // namespace\n\nconst embedded_image embedded_images[] = {\n${table}};\nconst int embedded_image_count = ${count};\n")
file(WRITE ${OUTPUT}.tmp "${body}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
