# SPDX-License-Identifier: MIT
# Writes SITE/sw.js from the service worker WORKER (run with cmake -P), naming the files it
# keeps, every file of the folder SITE but sw.js and the folder's own address ("./"), and its
# cache by a checksum of their names and contents, so that any changed file changes the name.
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names sw.js)
list(SORT names)
set(sums "")
set(FILES "'./'")
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} sum)
  string(APPEND sums "${name} ${sum}\n")
  string(APPEND FILES ", '${name}'")
endforeach()
string(SHA256 CHECKSUM "${sums}")
string(SUBSTRING ${CHECKSUM} 0 16 CHECKSUM)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
