# kit_math_tests: the numeric and geometry helpers.
kolibra_test(kit_math_tests
  LIBRARIES kolibra_kit
  SOURCES MathUtilsTest.cpp GeometryTest.cpp LinearAlgebraTest.cpp ClippingTest.cpp)
