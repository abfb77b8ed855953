# Synthetic images (ImgNew): every kind, pattern and size checked pixel by pixel against
# its formula, and the errors for bad ones.
vo_add_test(synthetic_test synthetic_patterns_test.cpp LIBS vohost_internal)
