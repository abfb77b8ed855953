# Synthetic images (ImgNew) checked pixel by pixel against their formulas.
vo_add_test(synthetic_test synthetic_patterns_test.cpp LIBS vohost_internal)
