# A clone without the BMP Suite: the tests that read it are skipped, each naming the
# folder it looked for, and none fails.
add_test(NAME images_without_bmp_suite
  COMMAND test_images "--gtest_filter=BmpSuite.*:TextureManager.SixteenBitBitmapsShowTrueColoursOpaque")
set_tests_properties(images_without_bmp_suite PROPERTIES
  LABELS images TIMEOUT 120 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  ENVIRONMENT "TANKAI_TESTDATA_DIR=${CMAKE_BINARY_DIR}/be-testu-duomenu"
  PASS_REGULAR_EXPRESSION "BMP Suite not found: no folder [^\n]*/be-testu-duomenu/bmpsuite/"
  FAIL_REGULAR_EXPRESSION "FAILED|PASSED  \\] [1-9]")
