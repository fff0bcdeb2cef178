# The menu's click is measured on the audio tests' loopback device; the drawing tests
# read the generated data.
if(TARGET test_ui)
  target_sources(test_ui PRIVATE ${CMAKE_SOURCE_DIR}/tests/audio/Kilpa.cpp)
  if(TARGET duomenys)
    add_dependencies(test_ui duomenys)
  endif()
endif()
