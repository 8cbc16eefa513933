# The ten preview screens' layer pictures: the generator draws them from their descriptions,
# zef-artgen writes them to assets/screens (target zef-screens-update), and zef_assets embeds the
# committed copies.
add_library(zefart STATIC
    generator/pixel_font.h
    generator/pixel_font.cpp
    generator/canvas.h
    generator/canvas.cpp
    generator/art_icons.h
    generator/art_icons.cpp
    generator/screen_art.h
    generator/screen_art.cpp
)
target_include_directories(zefart PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zefart PUBLIC Qt6::Gui)

add_executable(zef-artgen generator/zef_artgen.cpp)
target_link_libraries(zef-artgen PRIVATE zefart)

add_custom_target(zef-screens-update
    COMMAND zef-artgen ${CMAKE_CURRENT_SOURCE_DIR}/screens
    COMMENT "Redrawing the preview screens' layer pictures in assets/screens"
    VERBATIM)

# Layers per screen, in screen order; the layer table in preview/screen_layers.cpp has the same
# counts.
set(zef_screen_layer_counts 8 10 18 27 19 13 21 10 3 14)
set(zef_screen_pictures)
set(zef_screen 0)
foreach(count IN LISTS zef_screen_layer_counts)
    foreach(layer RANGE 1 ${count})
        if(layer LESS 10)
            set(layer "0${layer}")
        endif()
        list(APPEND zef_screen_pictures
            ${CMAKE_CURRENT_SOURCE_DIR}/screens/screen${zef_screen}/layer${layer}.png)
    endforeach()
    math(EXPR zef_screen "${zef_screen} + 1")
endforeach()

qt_add_resources(zef_assets "screens"
    PREFIX "/"
    BASE ${CMAKE_CURRENT_SOURCE_DIR}
    FILES ${zef_screen_pictures}
)
