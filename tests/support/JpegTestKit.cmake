# The pictures and reference decodes shared by the imaging tests and the
# benchmarks.
if(NOT TARGET vbx_jpeg_testkit)
    find_package(JPEG REQUIRED)
    add_library(vbx_jpeg_testkit STATIC ${CMAKE_CURRENT_LIST_DIR}/JpegTestKit.cpp)
    target_include_directories(vbx_jpeg_testkit PUBLIC ${CMAKE_CURRENT_LIST_DIR})
    target_compile_options(vbx_jpeg_testkit PRIVATE ${VBX_WARNING_FLAGS})
    target_link_libraries(vbx_jpeg_testkit PUBLIC JPEG::JPEG)
endif()
