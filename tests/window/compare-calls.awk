# awk -f compare-calls.awk EXPECTED ACTUAL
# Compares two lists of GL calls, one call a line in the form of a trace dump.
# The text around the numbers must match exactly; each number must agree with
# the expected one within what the dump printed: half a unit in the last of
# the significant digits it prints (at least 7, the dump's precision for a
# float; more when it printed more, as it does for doubles).

# Splits a line into its text, with every number replaced by "#", and its
# numbers (in NUMBERS[1..n]); returns n.
function split_numbers(line, numbers,    n, rest, text, token, lead) {
    n = 0
    text = ""
    rest = line
    while (match(rest, /(= |\{|, )-?[0-9][0-9.]*(e[-+][0-9]+)?/)) {
        lead = substr(rest, RSTART, RLENGTH)
        token = lead
        sub(/^(= |\{|, )/, "", token)
        text = text substr(rest, 1, RSTART - 1) substr(lead, 1, length(lead) - length(token)) "#"
        numbers[++n] = token
        rest = substr(rest, RSTART + RLENGTH)
    }
    SKELETON = text rest
    return n
}

# Half a unit in the last significant digit printed in TOKEN.
function tolerance(token,    mantissa, exponent, digits, value, magnitude) {
    mantissa = token
    exponent = 0
    if (match(mantissa, /e[-+][0-9]+$/)) {
        exponent = substr(mantissa, RSTART + 1) + 0
        mantissa = substr(mantissa, 1, RSTART - 1)
    }
    sub(/^-/, "", mantissa)
    value = mantissa + 0
    if (value == 0) {
        return 0
    }
    digits = mantissa
    gsub(/\./, "", digits)
    sub(/^0+/, "", digits)
    digits = length(digits)
    if (digits < 7) {
        digits = 7
    }
    # Decimal exponent of the leading digit.
    magnitude = 0
    while (value >= 10) { value /= 10; magnitude++ }
    while (value < 1) { value *= 10; magnitude-- }
    return 0.5 * 10 ^ (magnitude + exponent - digits + 1)
}

function abs(x) { return x < 0 ? -x : x }

FILENAME == ARGV[1] { expected[FNR] = $0; expected_count = FNR; next }

{
    actual_count = FNR
    if (FNR > expected_count) {
        next
    }
    n = split_numbers(expected[FNR], want)
    want_text = SKELETON
    m = split_numbers($0, got)
    if (n != m || want_text != SKELETON) {
        report(FNR, expected[FNR], $0, "the calls differ")
        next
    }
    for (i = 1; i <= n; i++) {
        if (abs((got[i] + 0) - (want[i] + 0)) > tolerance(got[i]) * (1 + 1e-9)) {
            report(FNR, expected[FNR], $0, "argument " i " differs beyond the printed precision")
            break
        }
    }
}

function report(line, want_line, got_line, why) {
    failures++
    if (failures <= 5) {
        printf "line %d: %s\n  expected: %s\n  traced:   %s\n", line, why, want_line, got_line
    }
}

END {
    if (actual_count != expected_count) {
        printf "expected %d calls, the trace has %d\n", expected_count, actual_count
        failures++
    }
    if (failures > 0) {
        printf "%d of %d calls differ\n", failures, expected_count
        exit 1
    }
}
