# The palette pictures of the colour frame: the generator draws them, zef-palettegen writes them
# to assets/palettes (target zef-palettes-update), and zef_assets embeds the committed copies.
add_library(zefpalettes STATIC palette_generator/palette_generator.cpp)
target_include_directories(zefpalettes PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(zefpalettes PUBLIC Qt6::Gui)

add_executable(zef-palettegen palette_generator/zef_palettegen.cpp)
target_link_libraries(zef-palettegen PRIVATE zefpalettes)

add_custom_target(zef-palettes-update
    COMMAND zef-palettegen ${CMAKE_CURRENT_SOURCE_DIR}/palettes
    COMMENT "Redrawing the palette pictures in assets/palettes"
    VERBATIM)

target_sources(zef_assets PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/palette_kind.h
    ${CMAKE_CURRENT_SOURCE_DIR}/palette_pictures.h
    ${CMAKE_CURRENT_SOURCE_DIR}/palette_pictures.cpp
)
qt_add_resources(zef_assets "palettes"
    PREFIX "/"
    BASE ${CMAKE_CURRENT_SOURCE_DIR}
    FILES
        ${CMAKE_CURRENT_SOURCE_DIR}/palettes/s55.png
        ${CMAKE_CURRENT_SOURCE_DIR}/palettes/256.png
        ${CMAKE_CURRENT_SOURCE_DIR}/palettes/16bit.png
)
