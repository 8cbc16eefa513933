# The preview screens' artwork: the layer table and the committed pictures' rules, and the
# generator against the committed pictures.
zef_add_test(test_screen_layers ${CMAKE_CURRENT_LIST_DIR}/test_screen_layers.cpp)
zef_add_test(test_screen_art ${CMAKE_CURRENT_LIST_DIR}/test_screen_art.cpp)
target_link_libraries(test_screen_art PRIVATE zefart)
