# The fuzz targets, one line each: name, source (in fuzz/) and the library it
# drives. fuzz/ links them with libFuzzer; tests/fuzz replays their corpora.
set(VANTREL_FUZZ_TARGETS
  "eval_fuzz EvalFuzz.cpp vantrel_expr"
  "settings_file_fuzz SettingsFileFuzz.cpp vantrel_settings vantrel_units"
  "custom_unit_fuzz CustomUnitFuzz.cpp vantrel_units"
  "number_base_fuzz NumberBaseFuzz.cpp vantrel_units"
  "coordinate_text_fuzz CoordinateTextFuzz.cpp vantrel_geo"
  "plain_decimal_fuzz PlainDecimalFuzz.cpp vantrel_expr"
  "query_fuzz QueryFuzz.cpp vantrel_cli"
)

# Calls add_one(NAME SOURCE LIBRARIES...) for each target.
macro(vantrel_for_each_fuzz_target add_one)
  foreach(line IN LISTS VANTREL_FUZZ_TARGETS)
    string(REPLACE " " ";" fields "${line}")
    cmake_language(CALL ${add_one} ${fields})
  endforeach()
endmacro()
