# The program's layers, and the build's refusal of anything against them.
#
# Each product folder is one static library, labs_<folder>, with a rank: a library
# links only libraries of lower rank (checked when the project is configured, by
# labs_check_layers), and a file sees only the headers of its own folder and of the
# libraries its library links (each library offers its folder on its own include
# path, labs_offer_headers), so that an include against the layers fails to compile.
# docs/architecture.md says what each layer is for.
set(LABS_LAYER_RANKS
  numeric 0
  ground 1
  roots 2 analysis 2 curves 2 forms 2 chart 2
  reports 3
  rootlab 4 plots 4
  app 5)

function(labs_rank_of folder out)
  list(FIND LABS_LAYER_RANKS ${folder} index)
  if(index EQUAL -1)
    message(FATAL_ERROR "${folder}/ has no rank in cmake/Layers.cmake")
  endif()
  math(EXPR index "${index} + 1")
  list(GET LABS_LAYER_RANKS ${index} rank)
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

# Offers the headers of `folder` (included as "folder/Name.h") to the target and to
# whatever links it, and nothing else of the tree: the folder is reached through a
# link in a directory of its own in the build tree.
function(labs_offer_headers target folder)
  set(directory ${PROJECT_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${directory})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${directory}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${directory})
endfunction()

# A product library: labs_<folder> from the folder's sources, offering its headers.
function(labs_add_library folder)
  add_library(labs_${folder} STATIC ${ARGN})
  labs_offer_headers(labs_${folder} ${folder})
  set_property(GLOBAL APPEND PROPERTY LABS_LIBRARIES ${folder})
endfunction()

# Fails the configuration when a product library links one of its own rank or above.
function(labs_check_layers)
  get_property(folders GLOBAL PROPERTY LABS_LIBRARIES)
  foreach(folder ${folders})
    labs_rank_of(${folder} rank)
    get_target_property(links labs_${folder} LINK_LIBRARIES)
    foreach(link ${links})
      if(link MATCHES "^labs_(.+)$")
        labs_rank_of(${CMAKE_MATCH_1} linked_rank)
        if(NOT linked_rank LESS rank)
          message(FATAL_ERROR "labs_${folder} (layer ${rank}) must not link ${link} "
                              "(layer ${linked_rank}): a layer stands only on those beneath it")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
