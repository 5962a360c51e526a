"""Number texts and arithmetic of the reference model.

Single precision is emulated by the F32 type: every operation between two F32 values (or an
F32 and a whole-number literal) is rounded to binary32 at once, as C++ does for float; an
operation with a plain Python float (a double) gives a plain float, as C++'s usual
promotions do. The double result of a float operation rounded to binary32 is the correctly
rounded binary32 result for + - * /, so no wider arithmetic is needed.
"""

import math
import re
import struct
from decimal import Decimal, ROUND_HALF_UP, ROUND_HALF_EVEN, localcontext
from fractions import Fraction

_INF = float("inf")
_NAN = float("nan")


def _to_f32(x):
    """The double x rounded to the nearest binary32, as a double."""
    try:
        return struct.unpack("<f", struct.pack("<f", x))[0]
    except OverflowError:
        return _INF if x > 0 else -_INF


def _wrap(v):
    return F32(v)


class F32(float):
    """A binary32 value. Arithmetic with F32 or int stays F32; with a float it is double."""

    def __new__(cls, x=0.0):
        return float.__new__(cls, _to_f32(float(x)))

    def _other(self, other):
        if isinstance(other, F32):
            return float(other), True
        if isinstance(other, int) and not isinstance(other, bool):
            # A whole-number literal promotes to float.
            return float(_to_f32(float(other))), True
        if isinstance(other, float):
            return float(other), False
        return None, None

    def _binop(self, other, op, reflected=False):
        o, single = self._other(other)
        if o is None:
            return NotImplemented
        a, b = (o, float(self)) if reflected else (float(self), o)
        r = op(a, b)
        return F32(r) if single else r

    def __add__(self, o):
        return self._binop(o, lambda a, b: a + b)

    def __radd__(self, o):
        return self._binop(o, lambda a, b: a + b, True)

    def __sub__(self, o):
        return self._binop(o, lambda a, b: a - b)

    def __rsub__(self, o):
        return self._binop(o, lambda a, b: a - b, True)

    def __mul__(self, o):
        return self._binop(o, lambda a, b: a * b)

    def __rmul__(self, o):
        return self._binop(o, lambda a, b: a * b, True)

    def __truediv__(self, o):
        return self._binop(o, ieee_div)

    def __rtruediv__(self, o):
        return self._binop(o, ieee_div, True)

    def __neg__(self):
        return F32(-float(self))

    def __repr__(self):
        return "F32(%s)" % shortest_f32(self)


def ieee_div(a, b):
    """a / b with IEEE results for a zero divisor instead of an exception."""
    if b == 0.0:
        if a == 0.0 or math.isnan(a):
            return _NAN
        neg = (a < 0) != (math.copysign(1.0, b) < 0)
        return -_INF if neg else _INF
    return a / b


def dbl(x):
    """A value converted to double (a float operand promoted)."""
    return float(x)


# ---------------------------------------------------------------- reading number texts

_NUM = re.compile(r"[ \t]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?)")


def _prefix(text):
    m = _NUM.match(text)
    return m.group(1) if m else None


def has_number(text):
    return _prefix(text) is not None


def val(text):
    """Double value of the leading numeric part of text; 0 without one."""
    p = _prefix(text)
    if p is None:
        return 0.0
    try:
        return float(p)
    except OverflowError:
        return _INF


def _f32_from_fraction(q):
    """The binary32 nearest to the rational q (ties to even), as a double."""
    if q == 0:
        return 0.0
    neg = q < 0
    q = -q if neg else q
    # Exponent e with 2^23 <= q / 2^e < 2^24, not below the subnormal exponent.
    e = q.numerator.bit_length() - q.denominator.bit_length() - 24
    while Fraction(2) ** e * (1 << 24) <= q:
        e += 1
    while Fraction(2) ** e * (1 << 23) > q:
        e -= 1
    e = max(e, -149)
    scaled = q / (Fraction(2) ** e)
    m = scaled.numerator // scaled.denominator
    rem = scaled - m
    if rem > Fraction(1, 2) or (rem == Fraction(1, 2) and m % 2 == 1):
        m += 1
    if m >= (1 << 24):
        m //= 2
        e += 1
    if e > 127 - 23:
        return -_INF if neg else _INF
    v = math.ldexp(float(m), e)
    return -v if neg else v


_F32_CACHE = {}


def f32_of_decimal_text(s):
    """A decimal text read directly in single precision (correctly rounded)."""
    v = _F32_CACHE.get(s)
    if v is None:
        v = _F32_CACHE[s] = _f32_of_decimal_text(s)
    return v


def _f32_of_decimal_text(s):
    x = float(s)
    if math.isfinite(x) and x != 0.0 and abs(x) > 1e-37:
        # Rounding through the double errs only when the double lies exactly halfway
        # between two floats; only then is the exact rational needed.
        m, _ = math.frexp(x)
        t = m * (1 << 25)
        if t != int(t) or int(t) % 2 == 0:
            return F32(x)
    d = Decimal(s)
    if d.is_zero():
        return F32(-0.0 if d.is_signed() else 0.0)
    exp = d.adjusted()
    if exp > 60:
        return F32(-_INF if d.is_signed() else _INF)
    if exp < -60:
        return F32(-0.0 if d.is_signed() else 0.0)
    return F32(_f32_from_fraction(Fraction(d)))


def valf(text):
    """The leading numeric part of text read in single precision; 0 without one."""
    p = _prefix(text)
    if p is None:
        return F32(0.0)
    return f32_of_decimal_text(p)


# ------------------------------------------------------------------- display masks

_SHORTEST_CACHE = {}


def shortest_f32(x):
    """Shortest decimal text that reads back as the binary32 x."""
    x = float(x)
    s = _SHORTEST_CACHE.get(x)
    if s is None:
        s = _SHORTEST_CACHE[x] = _shortest_f32(x)
    return s


def _shortest_f32(x):
    if not math.isfinite(x):
        return repr(x)
    if x == 0.0:
        return "0"
    for p in range(1, 10):
        s = "%.*e" % (p - 1, x)
        if float(f32_of_decimal_text(s)) == x:
            return s
    return "%.8e" % x


def _decimal_text(x):
    """The value's decimal text in its own precision: shortest for a float, 15 digits for a
    double."""
    if isinstance(x, F32):
        return shortest_f32(x)
    return "%.15g" % float(x)


def fmt_mask(x, decimals=3):
    """Mask "0.##0" (3), "0.#0" (2), "0.0" (1): the decimal text rounded half away from
    zero; a rounded zero without sign; a value that is not finite as 0."""
    if not math.isfinite(float(x)):
        x = 0.0
    with localcontext() as ctx:
        ctx.prec = 400
        d = Decimal(_decimal_text(x)).quantize(Decimal(1).scaleb(-decimals),
                                               rounding=ROUND_HALF_UP)
    if d.is_zero():
        d = abs(d)
    return "{:f}".format(d)


def fmt3(x):
    return fmt_mask(x, 3)


def mask3(text):
    """The commit mask of a text: its value formatted "0.##0"."""
    return fmt_mask(val(text), 3)


# ---------------------------------------------------------------------- rounding

# Roundings of a float value whose result a double product would have changed.
PRECISION_MATTERED = [0]


def digit_count(digits):
    t = digits.strip(" \t")
    m = _NUM.fullmatch(t)
    if not m or t != m.group(1):
        return None
    v = float(t)
    if v in (0.0, 1.0, 2.0, 3.0, 4.0):
        return int(v)
    return None


def round_to_digits(value, digits):
    """RoundToDigits: None when digits is not 0-4; else the rounded double. The product is
    formed in the value's own precision, the +0.5, floor and division in double."""
    d = digit_count(digits)
    if d is None:
        return None
    if not math.isfinite(float(value)):
        return float(value)
    if d == 0:
        return float(math.floor(float(value) + 0.5)) if abs(float(value)) < 1e300 else float(value)
    f = 10 ** d
    p = value * f  # F32 stays F32, double stays double
    if not math.isfinite(float(p)):
        return float(p)
    result = math.floor(float(p) + 0.5) / float(f)
    if isinstance(value, F32) and math.floor(float(value) * f + 0.5) / f != result:
        PRECISION_MATTERED[0] += 1
    return result


def fmt_rounded(v):
    """A RoundToDigits result as the tables show it; "" for no value."""
    return "" if v is None else fmt3(v)


def whole_number(text):
    """A split count as a whole number: the numeric value rounded half to even."""
    v = val(text)
    if not math.isfinite(v):
        return 0
    return int(Decimal(repr(v)).quantize(Decimal(1), rounding=ROUND_HALF_EVEN))


def finite(x):
    return math.isfinite(float(x))
