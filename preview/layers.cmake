# The preview screens' layer table and the loading of their committed pictures.
target_sources(zef_preview PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/preview_layer.h
    ${CMAKE_CURRENT_LIST_DIR}/screen_layers.h
    ${CMAKE_CURRENT_LIST_DIR}/screen_layers.cpp
)
