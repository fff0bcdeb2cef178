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
# The device's failure branches (no context, a context that cannot be made current, an
# error left by the listener set-up): a working OpenAL never takes them, so this program
# puts a switch in front of those entry points (gedimai/OpenAlGedimai.cpp). It defines
# them itself, which only a system-linked OpenAL allows.
file(GLOB GEDIMU_SRCS CONFIGURE_DEPENDS ${dir}/gedimai/*.cpp)
if(GEDIMU_SRCS AND NOT WIN32)
  add_executable(test_audio_gedimai ${GEDIMU_SRCS})
  target_link_libraries(test_audio_gedimai PRIVATE tankai_test_common GTest::gtest_main ${CMAKE_DL_LIBS})
  gtest_discover_tests(test_audio_gedimai
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES LABELS audio TIMEOUT 120 ENVIRONMENT "ALSOFT_DRIVERS=null"
    DISCOVERY_TIMEOUT 60)
endif()
