# Writes OUTPUT, a C++ source holding the raw bytes of each image of RES_DIR
# as an embedded_image; IMAGES is a comma-separated list of NAME:FILE. Run
# with cmake -P at build time.
string(REPLACE "," ";" IMAGES "${IMAGES}")
set(body "// Generated from the res/ images at build time; do not edit.\n#include \"platform/posix/embedded_images.h\"\n\nnamespace {\n")
set(table "")
foreach(image IN LISTS IMAGES)
  string(REGEX REPLACE ":.*$" "" name "${image}")
  string(REGEX REPLACE "^.*:" "" file "${image}")
  file(READ ${RES_DIR}/${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char ${name}_bytes[] = {${bytes}};\n")
  string(APPEND table "    {\"${name}\", ${name}_bytes, sizeof ${name}_bytes},\n")
endforeach()
list(LENGTH IMAGES count)
string(APPEND body "}  // namespace\n\nconst embedded_image embedded_images[] = {\n${table}};\nconst int embedded_image_count = ${count};\n")
file(WRITE ${OUTPUT}.tmp "${body}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
