# SPDX-License-Identifier: MIT
# Writes one of the page's two HTML files from page.html (run with cmake -P):
#   -DKIND=single  OUT is the self-contained page: page.js, force_view.js, collection_panel.js
#                  and design_panel.js, then ENGINE, the glue with the engine inside it, which waits
#                  as text until the form is painted (start_engine.js), and the search worker's
#                  script, as text that the page starts its worker from;
#   -DKIND=site    OUT is the site's index.html, loading the manifest, site.js and page.js as
#                  files (the glue, force_view.js and the panels' scripts fetched by site.js, which is given
#                  the glue ahead);
#   -DKIND=script  OUT is the script SCRIPT as the site serves it, as the single file holds it;
#   -DKIND=style   OUT is the style sheet SCRIPT (panels.css) as the site serves it.
# Both pages get page.css as inline styles (the single file panels.css too) and the four lists'
# items from OPTIONS (list_options' lines), so that the form paints complete before any script.
# SOURCE is the web/ folder.
# Fails, saying which, when page.html lacks a place this script fills.

function(read_file name variable)
  file(READ ${name} content)
  set(${variable} "${content}" PARENT_SCOPE)
endfunction()

# Replaces the one `place` in `html` by `text`.
function(fill place text)
  string(FIND "${html}" "${place}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "page.html lacks ${place}")
  endif()
  string(REPLACE "${place}" "${text}" html "${html}")
  set(html "${html}" PARENT_SCOPE)
endfunction()

# The scripts without their comment lines, indentation and blank lines, which the single file's
# size and the bytes a first visit to the site fetches keep out.
function(read_script name variable)
  file(READ ${name} content)
  string(REGEX REPLACE "\n[ ]*//[^\n]*" "" content "${content}")
  string(REGEX REPLACE "\n[ \n]+" "\n" content "${content}")
  set(${variable} "${content}" PARENT_SCOPE)
endfunction()

# Styles without their comments and indentation.
function(read_styles name variable)
  file(READ ${name} content)
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" content "${content}")
  string(REGEX REPLACE "\n[ \n]+" "\n" content "${content}")
  set(${variable} "${content}" PARENT_SCOPE)
endfunction()

if(KIND STREQUAL "script")
  read_script(${SCRIPT} content)
  file(WRITE ${OUT} "${content}")
  return()
elseif(KIND STREQUAL "style")
  read_styles(${SCRIPT} content)
  file(WRITE ${OUT} "${content}")
  return()
endif()

read_file(${SOURCE}/page.html html)
read_styles(${SOURCE}/page.css css)
# The single file holds every style; the site fetches panels.css with the panels' scripts.
if(KIND STREQUAL "single")
  read_styles(${SOURCE}/panels.css later)
  string(APPEND css "${later}")
endif()
fill("@MUSTERWRIGHT_PAGE_CSS@" "${css}")

# Each list's items go before the end of its <select>, after its placeholder.
file(STRINGS ${OPTIONS} lists)
foreach(list IN LISTS lists)
  string(FIND "${list}" " " space)
  string(SUBSTRING "${list}" 0 ${space} id)
  math(EXPR space "${space} + 1")
  string(SUBSTRING "${list}" ${space} -1 items)
  string(FIND "${html}" "<select id=\"${id}\"" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "page.html lacks the list ${id}")
  endif()
  string(SUBSTRING "${html}" ${start} -1 rest)
  string(FIND "${rest}" "</select>" end)
  math(EXPR end "${start} + ${end}")
  string(SUBSTRING "${html}" 0 ${end} before)
  string(SUBSTRING "${html}" ${end} -1 after)
  set(html "${before}${items}${after}")
endforeach()

if(KIND STREQUAL "single")
  read_file(${ENGINE} engine)
  read_script(${SOURCE}/page.js page)
  read_script(${SOURCE}/force_view.js force)
  read_script(${SOURCE}/collection_panel.js panel)
  read_script(${SOURCE}/design_panel.js designs)
  read_script(${SOURCE}/start_engine.js start)
  read_script(${SOURCE}/search_worker.js worker)
  string(FIND "${engine}" "</script" closing)
  if(NOT closing EQUAL -1)
    message(FATAL_ERROR "${ENGINE} holds </script and cannot be held in the page")
  endif()
  fill("{{{ SCRIPT }}}" "<script>
var Module = {};
${page}${force}${panel}${designs}</script>
<script type=\"text/plain\" id=\"Engine\">${engine}</script>
<script type=\"text/plain\" id=\"SearchWorker\">${worker}</script>
<script>
${start}</script>")
else()
  string(REPLACE "<link rel=\"icon\" href=\"data:,\">\n" "" html "${html}")
  fill("</head>" "<link rel=\"manifest\" href=\"manifest.webmanifest\">
<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">
<link rel=\"apple-touch-icon\" href=\"icon-192.png\">
<link rel=\"preload\" href=\"musterwright.js\" as=\"fetch\" crossorigin>
</head>")
  fill("{{{ SCRIPT }}}" "<script src=\"site.js\" defer></script>
<script src=\"page.js\" defer></script>")
endif()
file(WRITE ${OUT} "${html}")
