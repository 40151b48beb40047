# Names of the pictures the renderer draws; the same list as the C++ catalog
# (a test loads every catalog entry from the resources).
set(PICTURE_NAMES
  title icon face-a face-b
  btn-run btn-menu btn-next btn-again btn-end
  btn-bcc btn-fcc btn-hcp btn-summary btn-drill btn-radius
  plate-radius banner-summary title-drill marker qmark question-panel
  hint-1 hint-half hint-quarter hint-eighth hint-sixth
  radius-atom radius-fcc-face radius-fcc-labelled radius-fcc-derivation
  radius-bcc-hexagon radius-bcc-labelled radius-bcc-derivation)
foreach(d RANGE 0 9)
  list(APPEND PICTURE_NAMES key-${d})
endforeach()
foreach(s bcc fcc hcp)
  list(APPEND PICTURE_NAMES plate-${s} cutaway-${s} spheres-${s} ballstick-${s} emptycell-${s}
       neighbour-q-${s} neighbour-a-${s})
endforeach()
foreach(i RANGE 0 8)
  list(APPEND PICTURE_NAMES piece-bcc-${i})
endforeach()
foreach(i RANGE 0 13)
  list(APPEND PICTURE_NAMES piece-fcc-${i})
endforeach()
foreach(i RANGE 0 16)
  list(APPEND PICTURE_NAMES piece-hcp-${i})
endforeach()
