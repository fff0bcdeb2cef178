# The same sound code on a machine with no sound device: a test executable of its
# own, since OpenAL Soft picks its backend once per process.
file(GLOB BE_IRENGINIO_SRCS CONFIGURE_DEPENDS ${dir}/be_irenginio/*.cpp)
if(BE_IRENGINIO_SRCS)
  add_executable(test_audio_be_irenginio ${BE_IRENGINIO_SRCS} ${dir}/GarsoFailai.cpp)
  target_link_libraries(test_audio_be_irenginio PRIVATE tankai_test_common GTest::gtest_main)
  gtest_discover_tests(test_audio_be_irenginio
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES LABELS audio TIMEOUT 120 ENVIRONMENT "ALSOFT_DRIVERS=tankai-nera"
    DISCOVERY_TIMEOUT 60)
endif()
