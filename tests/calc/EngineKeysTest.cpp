// The calculation engine driven by key sequences: one row per fact, keys -> display text, and where it
// matters the full-precision value, the last error and the history tape. Separators "." and ",", four
// decimals and the other defaults unless the keys change them.
#include "tests/calc/CalcTestSupport.h"

namespace qnt::test {
namespace {

struct KeyCase {
  const char* name;
  const char* keys;
  const char* display;
  const char* value = nullptr;    // shortest text of GetDisplayValue, when checked
  const char* error = "";         // GetLastError
  const char* history = nullptr;  // the tape, entries joined by " | ", when checked
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.keys; }

class KeySequence : public EngineTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeySequence, ShowsDisplayValueErrorAndHistory) {
  const KeyCase& c = GetParam();
  Press(E(), c.keys);
  EXPECT_EQ(Display(), c.display);
  if (c.value) {
    EXPECT_EQ(Value(), c.value);
  }
  EXPECT_EQ(Error(), c.error);
  if (c.history) {
    EXPECT_EQ(HistoryText(E()), c.history);
  }
}

std::string CaseName(const ::testing::TestParamInfo<KeyCase>& info) { return info.param.name; }

const KeyCase kPrecedence[] = {
    {"times_before_plus", "2 + 3 * 4 =", "14.0000", "14"},
    {"strict_order_without_precedence", "#noprec 2 + 3 * 4 =", "20.0000", "20"},
    {"brackets_first", "( 2 + 3 ) * 4 =", "20.0000", "20"},
    {"power_is_left_associative", "2 ^ 3 ^ 2 =", "64.0000", "64"},
    {"power_before_times", "2 * 3 ^ 2 =", "18.0000", "18"},
    {"power_after_times_waits", "2 ^ 3 * 2 =", "16.0000", "16"},
    {"mixed_levels_and_brackets", "2 + 3 * 4 ^ 2 / ( 7 - 1 ) =", "10.0000", "10"},
    {"minus_is_left_associative", "10 - 4 - 3 =", "3.0000", "3"},
    {"division_is_left_associative", "64 / 4 / 2 =", "8.0000", "8"},
    {"no_precedence_stops_at_bracket", "#noprec 2 * ( 3 + 4 * 2 ) =", "28.0000", "28"},
    {"nested_brackets", "( ( 2 + 3 ) * ( 4 - 1 ) ) =", "15.0000", "15"},
    {"root_is_inv_power", "8 inv ^ 3 =", "2.0000"},
    {"operator_shows_pending_operand", "2 + 3 *", "3.0000"},
    {"operator_evaluates_same_level", "2 * 3 +", "6.0000"},
    {"unmatched_close_evaluates_all", "2 + 3 ) * 4 =", "20.0000", "20"},
    {"open_bracket_discards_typed_number", "2 ( 3 ) =", "3.0000", "3"},
    {"minus_before_bracket_negates_it", "- ( 2 + 3 ) =", "-5.0000", "-5"},
    {"open_bracket_shows_pending_operand", "7 + (", "7.0000"},
    {"missing_close_brackets_are_closed_by_equals", "2 * ( 3 + 4 =", "14.0000", "14"},
    {"second_operator_is_stacked_too", "2 + * 3 =", "Error!", nullptr, "Invalid Equation"},
};
INSTANTIATE_TEST_SUITE_P(Precedence, KeySequence, ::testing::ValuesIn(kPrecedence), CaseName);

const KeyCase kEquals[] = {
    {"equals_again_reshows_result", "2 * 3 = =", "6.0000", "6", "",
     "2.0000 | * | 3.0000 | = | 6.0000 | = | 6.0000"},
    {"digit_after_equals_starts_anew", "2 * 3 = 4 =", "4.0000", "4"},
    {"operator_after_equals_continues", "2 * 3 = + 1 =", "7.0000", "7"},
    {"separator_after_equals_leaves_result_to_be_dropped", "2 * 3 = .5 + 1 =", "1.5000", "1.5"},
    {"result_without_history", "2 + 3 res", "5.0000", "5", "", "2.0000 | + | 3.0000"},
    {"equals_on_empty_calculator", "=", "0", "0", "", "= | 0"},
};
INSTANTIATE_TEST_SUITE_P(Equals, KeySequence, ::testing::ValuesIn(kEquals), CaseName);

const KeyCase kEntry[] = {
    {"leading_minus_signs_number", "- 5 =", "-5.0000", "-5"},
    {"minus_after_operator_is_sign", "5 - - 3 =", "8.0000", "8"},
    {"two_minus_signs_cancel", "- -", "", "0"},
    {"plus_then_minus_cancel", "+ -", "", "0"},
    {"minus_then_plus_keeps_minus", "- +", "-", "0"},
    {"sign_after_times", "2 * - 3 =", "-6.0000", "-6"},
    {"sign_after_bracket", "( - 3 ) =", "-3.0000", "-3"},
    {"grouped_while_typing", "1234567", "1,234,567", "1234567"},
    {"lakh_groups_while_typing", "#lakh 1234567", "12,34,567", "1234567"},
    {"typed_separators_regrouped", "1,23,4567", "1,234,567", "1234567"},
    {"leading_zeros_dropped", "0 0 7", "7", "7"},
    {"zeros_stay_one_zero", "0 0", "0", "0"},
    {"minus_zeros_shown_as_typed", "- 0 0", "-00", "-0"},
    {"digit_after_minus_zeros", "- 0 0 5", "-05", "-5"},
    {"decimal_separator_starts_with_zero", ".5", "0.5", "0.5"},
    {"second_separator_ignored", "1.2.3", "1.23", "1.23"},
    {"exponent_then_change_sign", "1E5 +/-", "1E-5", "1e-05"},
    {"change_sign_twice_in_exponent", "1E5 +/- +/-", "1E5", "1e+05"},
    {"minus_after_exponent_key_signs_exponent", "1E - 5", "1E-5", "1e-05"},
    {"change_sign_of_empty_exponent", "1E +/-", "1E-", "1"},
    {"second_exponent_key_ignored", "1E2E3", "1E23", "1e+23"},
    {"exponent_value_committed", "1E - 5 =", "0.0000", "1e-05"},
    {"exponent_alone_gets_a_mantissa", "E 5", "0E5", "0"},
    // A decimal separator in the exponent would make the entry unreadable; it is ignored.
    {"separator_ignored_in_exponent", "1E5.3", "1E53", "1e+53"},
    // After the E was deleted, a minus signs the number rather than gluing to its end.
    {"minus_after_deleted_exponent_key", "1E bs -", "-1", "-1"},
    {"sign_before_exponent_sign", "1E - -", "-1E-", "-1"},
    {"overflowing_exponent_digit_is_an_error", "1E4933", "Error!", "0", "Floating point overflow"},
    {"largest_exponent_is_fine", "1E4932", "1E4932", "1e+4932"},
    {"change_sign_to_overflowing_exponent", "90E - 4931 +/-", "Error!", "0", "Floating point overflow"},
    {"tiny_exponent_reads_as_zero", "1E - 5000 =", "0.0000", "0"},
    {"change_sign_of_entry", "12 +/-", "-12", "-12"},
    {"change_sign_of_zero_entry_leaves_minus", "0 +/-", "-", "0"},
    {"change_sign_of_result_pushes_negation", "5 = +/-", "-5.0000", "-5", "", "5.0000 | = | 5.0000 | +/-"},
    {"backspace_removes_last_character", "123 bs", "12", "12"},
    {"backspace_to_empty_shows_empty", "1 bs", "", "0"},
    {"clear_keeps_pending_operation", "2 + 3 C 4 =", "6.0000", "6"},
    {"thousands_key_ignored_on_empty_entry", ", 5", "5", "5"},
};
INSTANTIATE_TEST_SUITE_P(Entry, KeySequence, ::testing::ValuesIn(kEntry), CaseName);

const KeyCase kPercent[] = {
    {"binary_percent", "50 % 20 =", "10.0000", "10"},
    {"binary_percent_binds_like_power", "5 + 50 % 20 =", "15.0000", "15"},
    {"unary_percent_of_pending_operand", "#unary 200 + 10 % =", "220.0000", "220"},
    {"unary_percent_minus", "#unary 200 - 10 % =", "180.0000", "180"},
    {"unary_percent_shows_share", "#unary 200 + 10 %", "20.0000", "20"},
    {"unary_percent_without_operand_is_zero", "#unary 10 %", "0.0000", "0"},
    {"unary_percent_history_two_lines", "#unary 200 + 10 %", "20.0000", nullptr, "", "200.0000 | + | 10 | %"},
    {"unary_percent_history_same_line", "#unary #same 200 + 10 %", "20.0000", nullptr, "",
     "200.0000 | + 10 %"},
};
INSTANTIATE_TEST_SUITE_P(Percent, KeySequence, ::testing::ValuesIn(kPercent), CaseName);

const KeyCase kMemory[] = {
    {"memory_survives_all_clear", "12 M+ AC MR", "12.0000", "12"},
    {"memory_add_and_subtract", "5 M+ 3 M- MR", "2.0000", "2"},
    {"memory_add_evaluates_pending", "2 + 3 M+ AC MR", "5.0000", "5"},
    {"typing_after_memory_add_continues", "2 + 3 M+ * 2 =", "10.0000", "10"},
    {"memory_clear", "7 M+ MC MR", "0.0000", "0"},
    {"memory_recall_discards_entry", "mem=5 9 MR * 2 =", "10.0000", "10"},
    {"memory_lines_in_history", "#memhist 12 M+", "12.0000", nullptr, "", "12.0000 | M+ | [M: 12.0000 ]"},
    {"memory_overflow_is_an_error", "val=1E4932 M+ M+", "Error!", nullptr, "Floating point overflow"},
};
INSTANTIATE_TEST_SUITE_P(Memory, KeySequence, ::testing::ValuesIn(kMemory), CaseName);

const KeyCase kHistory[] = {
    {"values_and_operators_on_own_lines", "12 + 3 =", "15.0000", "15", "",
     "12.0000 | + | 3.0000 | = | 15.0000"},
    {"operators_joined_to_next_value", "#same 12 + 3 =", "15.0000", "15", "",
     "12.0000 | + 3.0000 | = 15.0000"},
    {"open_bracket_joined_to_value", "#same ( 2 +", "2.0000", nullptr, "", "( 2.0000"},
    // Held texts are joined rather than replaced, so no key is lost from the tape.
    {"held_texts_accumulate", "#same ( ( 2 +", "2.0000", nullptr, "", "( ( 2.0000"},
    {"power_label", "2 ^ 3 =", "8.0000", "8", "", "2.0000 | x ^ y | 3.0000 | = | 8.0000"},
    {"root_label", "8 inv ^ 3", "3", nullptr, "", "8.0000 | x ^ 1/y"},
    {"close_bracket_own_line", "#same ( 2 + 3 ) =", "5.0000", "5", "", "( 2.0000 | + 3.0000 | ) | = 5.0000"},
    {"paper_line", "paper", "0", nullptr, "", "- - - - - - - - - - -"},
    {"angle_mode_key_writes_label", "toggle toggle", "0", nullptr, "", "гра | рад"},
    {"constant_written_as_shown", "pi", "3.1416", nullptr, "", "3.1416"},
    {"input_value_written", "val=1234.5", "1,234.5000", "1234.5", "", "1,234.5000"},
    {"input_string_not_written", "str=1,234.5", "1,234.5000", "1234.5", "", ""},
    {"all_clear_empties_tape", "2 + 3 = AC", "0", "0", "", ""},
};
INSTANTIATE_TEST_SUITE_P(History, KeySequence, ::testing::ValuesIn(kHistory), CaseName);

const KeyCase kErrors[] = {
    {"too_few_operands", "5 + =", "Error!", "0", "Invalid Equation", "- - - - ERROR - - - - | = | Error!"},
    {"too_few_operands_same_line", "#same 5 + =", "Error!", "0", "Invalid Equation",
     "+ - - - - ERROR - - - - | = Error!"},
    {"division_by_zero", "1 / 0 =", "Error!", "0", "Деление на ноль"},
    {"recovery_after_error", "1 / 0 = 4 + 1 =", "5.0000", "5", "Деление на ноль"},
    {"operator_after_failing_evaluation_shows_zero", "1 / 0 +", "0", "0", "Деление на ноль"},
    {"close_bracket_after_failing_evaluation_shows_zero", "( 1 / 0 )", "0", "0", "Деление на ноль"},
    {"all_clear_forgets_error", "1 / 0 = AC", "0", "0", ""},
    {"overflow_of_product", "val=1E4932 * 10 =", "Error!", "0", "Floating point overflow"},
    {"overflow_of_power", "2 ^ 100000 =", "Error!", "0", "Floating point overflow"},
    {"zero_to_negative_power", "0 ^ - 1 =", "Error!", "0", "Floating point division by zero"},
    {"negative_base_fractional_power", "- 8 ^ .5 =", "Error!", "0", "Invalid floating point operation"},
    {"negative_base_integral_power", "- 2 ^ 3 =", "-8.0000", "-8"},
    {"zeroth_root", "8 inv ^ 0 =", "Error!", "0", "Floating point division by zero"},
    {"error_clears_pending_operations", "2 + ( 1 / 0 ) * 3 =", "Error!", "0", "Invalid Equation"},
    {"overflow_of_sum", "val=1E4932 + val=1E4932 =", "Error!", "0", "Floating point overflow"},
};
INSTANTIATE_TEST_SUITE_P(Errors, KeySequence, ::testing::ValuesIn(kErrors), CaseName);

const KeyCase kDisplay[] = {
    // A text longer than 26 characters shows fewer decimals, then scientific form: never cut digits.
    {"long_value_loses_decimals_not_digits", "val=1E17", "100,000,000,000,000,000.00", "1e+17"},
    {"lakh_negative_18_digits_keeps_all_digits", "#lakh val=-123456789012345678", "-1.23456789012345678E+17",
     "-123456789012345678"},
    {"seventeen_digits_keep_three_decimals", "val=12345678901234567.891", "12,345,678,901,234,567.900"},
    {"eighteen_decimals_shortened_to_fit", "#dp=18 val=-123456.5", "-123,456.50000000000000000"},
    {"eighteen_decimals_fit", "#dp=18 val=1.5", "1.500000000000000000"},
    {"short_limit_goes_scientific", "#max=10 val=123456789", "1.23457E+8"},
    {"tiny_limit_shows_one_digit_anyway", "#max=2 val=123456", "1E+5"},
    {"zero_limit_means_unlimited", "#max=0 val=1E17", "100,000,000,000,000,000.0000"},
    {"huge_values_are_scientific", "val=1E25", "1.00000000000000000E+25"},
    {"lakh_grouping", "#lakh val=1234567.5", "12,34,567.5000"},
    {"no_grouping", "#nothou val=1234567.5", "1234567.5000"},
    {"trimmed_grouped", "#trim val=1234.5", "1,234.5"},
    {"trimmed_ungrouped", "#trim #nothou val=1234.5", "1234.5"},
    {"trimmed_integer", "#trim val=3", "3"},
    {"scientific", "#sci val=12345.678", "1.2346E+4"},
    {"scientific_range_inside_fixed", "#sci #range val=12345.678", "12,345.6780"},
    {"scientific_range_above", "#sci #range val=1E7", "1.0000E+7"},
    {"scientific_range_at_lower_bound", "#sci #range val=0.0001", "1.0000E-4"},
    {"scientific_range_zero_is_fixed", "#sci #range val=0", "0.0000"},
    {"scientific_range_custom_bounds", "#sci #range #scimin=1 #scimax=10 val=20", "2.0000E+1"},
    {"decimal_places_redraw_value", "val=2.5 #dp=1", "2.5"},
    {"decimal_places_redraw_entry_value", "123 #dp=2", "123.00", "123"},
    {"zero_decimals_round_half_away", "#dp=0 val=2.5", "3"},
    {"negative_tiny_keeps_sign_when_grouped", "val=-0.00001", "-0.0000"},
};
INSTANTIATE_TEST_SUITE_P(Display, KeySequence, ::testing::ValuesIn(kDisplay), CaseName);

const KeyCase kFunctions[] = {
    {"sine_in_degrees", "deg 30 sin", "0.5000"},
    {"arc_sine_in_radians", ".5 inv sin", "0.5236"},
    {"arc_tangent_in_degrees", "deg 1 inv tan", "45.0000"},
    {"sine_in_grads", "grad 100 sin", "1.0000"},
    {"arc_tangent_in_grads", "grad 1 inv tan", "50.0000"},
    {"arc_cosine_of_zero_radians", "0 inv cos", "1.5708"},
    {"arc_cosine_of_zero_degrees", "deg 0 inv cos", "90.0000"},
    {"arc_cosine_of_one", "1 inv cos", "0.0000", "0"},
    {"arc_cosine_of_minus_one", "- 1 inv cos", "3.1416"},
    {"arc_sine_refused", "2 inv sin", "Error!", "0", "Не действительное значение"},
    {"arc_cosine_refused", "2 inv cos", "Error!", "0", "Значение должно быть <= 1"},
    {"hyperbolic_sine", "1 hyp sin", "1.1752"},
    {"inverse_hyperbolic_cosine_refused", ".5 inv hyp cos", "Error!", "0",
     "Не определено для этого значения"},
    {"toggles_apply_to_next_function_only", "inv 1 cos", "0.5403"},
    {"square_root_refused", "- 4 sqrt", "Error!", "0", "Квадратный корень из отрицательного",
     "sqrt | - - - - ERROR - - - -"},
    {"square_root_of_displayed_negative", "val=-4 sqrt", "Error!", "0",
     "Квадратный корень из отрицательного"},
    {"square_root", "16 sqrt", "4.0000", "4", "", "16.0000 | sqrt"},
    {"inv_square_root_squares", "3 inv sqrt", "9.0000", "9"},
    {"inv_square_is_square_root", "9 inv x2", "3.0000", "3"},
    {"reciprocal_of_zero", "0 1/x", "Error!", "0", "Деление на ноль"},
    {"reciprocal_on_empty_calculator", "1/x", "Error!", "0", "Деление на ноль"},
    {"reciprocal", "4 1/x", "0.2500", "0.25", "", "4.0000 | 1/x"},
    {"square_in_sum", "2 + 3 x2 =", "11.0000", "11"},
    {"square_of_displayed_operand", "2 + x2 =", "6.0000", "6"},
    {"abs_of_displayed_operand", "2 + abs =", "4.0000", "4"},
    {"function_keeps_argument_below", "2 + cos =", "1.5839"},
    {"common_log", "100 log", "2.0000", "2"},
    {"common_log_near_one", "1.05 log", "0.0212"},
    {"common_log_of_zero", "0 log", "Error!", "0", "Значение должно быть > 0"},
    {"log_on_empty_calculator_is_zero", "log", "0.0000", "0"},
    {"cosine_on_empty_calculator", "cos", "1.0000", "1"},
    {"ten_power", "3 inv log", "1,000.0000", "1000"},
    {"binary_log", "8 lg2", "3.0000", "3"},
    {"two_power", "10 inv lg2", "1,024.0000", "1024"},
    {"natural_log_of_e", "e ln", "1.0000"},
    {"exp_of_one", "1 inv ln", "2.7183"},
    {"natural_log_of_zero", "0 ln", "Error!", "0", "Floating point division by zero"},
    {"gamma_of_five", "5 gamma", "24.0000"},
    {"gamma_of_half", ".5 gamma", "1.7725"},
    {"gamma_of_minus_half", "- .5 gamma", "-3.5449"},
    {"gamma_of_negative_integer", "- 2 gamma", "Error!", "0", "Не определено для этого значения",
     "- - - - ERROR - - - - | gamma"},
    {"ln_gamma_of_ten", "10 lngamma", "12.8018"},
    {"floor_positive", "2.5 floor", "2.0000", "2"},
    {"floor_negative", "- 2.5 floor", "-3.0000", "-3"},
    {"ceiling_negative", "- 2.5 ceil", "-2.0000", "-2"},
    {"sign_of_minus_zero", "- 0 sign", "0.0000", "0"},
    {"sign_of_negative", "- 7 sign", "-1.0000", "-1"},
    {"round_tie_to_even_down", "0.125 round2", "0.1200", nullptr, "", "0.1250 | round 2"},
    {"round_tie_to_even_up", "0.375 round2", "0.3800"},
    {"round_to_hundreds", "1234 round-2", "1,200.0000", "1200", "", "1,234.0000 | round -2"},
    {"round_places_out_of_range", "1234 round19", "Error!", "0", "Rounding places must be from -18 to 18"},
    {"round_beyond_int64_range_keeps_value", "val=1E30 round2", "1.00000000000000000E+30", "1e+30"},
    {"floor_beyond_int64_range_keeps_value", "val=1E30 floor", "1.00000000000000000E+30", "1e+30"},
    {"digit_before_constant_is_lost", "2 pi * 2 =", "6.2832"},
    {"constants", "c0 + g0 =", "299,792,467.8067"},
};
INSTANTIATE_TEST_SUITE_P(Functions, KeySequence, ::testing::ValuesIn(kFunctions), CaseName);

const KeyCase kPrefix[] = {
    {"prefix_sine_of_bracket", "#prefix deg sin ( 30 ) =", "0.5000"},
    {"prefix_function_before_operator", "#prefix deg sin 30 + 1 =", "1.5000"},
    {"prefix_function_shows_pending_operand", "#prefix 2 * sin", "2.0000"},
    {"prefix_discards_typed_number", "#prefix 5 sqrt 16 =", "4.0000", "4"},
    {"prefix_inverse_code", "#prefix inv sin 1 =", "1.5708"},
    {"prefix_refusal_at_evaluation", "#prefix sqrt - 4 =", "Error!", "0",
     "Квадратный корень из отрицательного"},
    {"prefix_function_without_argument", "#prefix sin =", "Error!", "0", "Invalid Equation"},
    // A minus right after a function key signs its argument.
    {"prefix_minus_signs_argument", "#prefix 1 + sin - 1 =", "0.1585"},
    {"prefix_square_is_immediate", "#prefix 3 x2", "9.0000", "9"},
    {"prefix_plain_family", "#prefix abs - 3 + 1 =", "4.0000", "4"},
};
INSTANTIATE_TEST_SUITE_P(Prefix, KeySequence, ::testing::ValuesIn(kPrefix), CaseName);

const KeyCase kAngles[] = {
    {"toggle_from_radians_without_grads", "toggle", "0", nullptr, "", "гра"},
    {"toggle_from_radians_with_grads", "#grads toggle", "0", nullptr, "", "gra"},
    {"toggle_from_grads_to_degrees", "#grads toggle toggle", "0", nullptr, "", "gra | гра"},
};
INSTANTIATE_TEST_SUITE_P(Angles, KeySequence, ::testing::ValuesIn(kAngles), CaseName);

}  // namespace
}  // namespace qnt::test
