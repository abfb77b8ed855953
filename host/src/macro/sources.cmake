# The macro language: lexer, parser, statement table, interpreter and the
# statements (paths relative to host/).
list(APPEND VO_HOST_SOURCES
  src/macro/clipboard_data.cpp
  src/macro/constants.cpp
  src/macro/data_query.cpp
  src/macro/hand_steps.cpp
  src/macro/image_statements.cpp
  src/macro/input_statements.cpp
  src/macro/interpreter.cpp
  src/macro/key_names.cpp
  src/macro/lexer.cpp
  src/macro/menu_statements.cpp
  src/macro/module_statements.cpp
  src/macro/output_file.cpp
  src/macro/output_statements.cpp
  src/macro/parser.cpp
  src/macro/pixel_edit.cpp
  src/macro/statement_table.cpp
  src/macro/window_statements.cpp)
