#pragma once
// The rows of the general solution that its test and the window for any
// triangle share, one per case, per branch of the ambiguous case (and two of
// them with other names of the parts) and per refusal: three parts as a person types them
// (sides as ReadNumber reads them, angles as ReadAngle does), the case, how
// many triangles, and each triangle's parts and area worked out apart from the
// program (mpmath at 40 digits, law of cosines and law of sines as a textbook
// writes them), or the reason there is none. Plain C++, no Qt.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace general_cases {

// a, b, c, A, B, C; nullptr for a part not given.
using Typed = std::array<const char *, 6>;

struct Triangle {
    std::array<double, 6> parts; // a, b, c, A, B, C; angles in degrees
    double area;
    const char *type; // TriangleTypeText: "rectángulo escaleno"
};

struct Row {
    const char *name;
    Typed typed;
    const char *kase; // CaseCode: "LLA", "AAA", "" for not three parts
    int count;
    std::array<Triangle, 2> triangles; // the first `count` of them
    const char *reason;                // when count is 0
};

inline constexpr const char *_ = nullptr;

inline const Row kRows[] = {
    // One row per case.
    {"LLL 3 4 5", {"3", "4", "5", _, _, _}, "LLL", 1,
     {{{{3, 4, 5, 36.869897645844021, 53.130102354155979, 90}, 6, "rectángulo escaleno"}}}, ""},
    {"LAL b c A", {_, "7", "5", "49", _, _}, "LAL", 1,
     {{{{5.2986666219591972, 7, 5, 49, 85.588306133094435, 45.411693866905565}, 13.20741765389851, "acutángulo escaleno"}}}, ""},
    {"ALA A B c, degrees and minutes", {_, _, "12,5", "20°30′", "40°15′30″", _}, "ALA", 1,
     {{{{5.0169120996214763, 9.2576692160694211, 12.5, 20.5, 40.258333333333333, 119.24166666666667},
        20.263150579537869, "obtusángulo escaleno"}}},
     ""},
    {"LAA a A B", {"10", _, _, "30", "45", _}, "LAA", 1,
     {{{{10, 14.14213562373095, 19.318516525781366, 30, 45, 105}, 68.301270189221932, "obtusángulo escaleno"}}}, ""},

    // The ambiguous case, angle A with its side a and the side c: h = c·sen A.
    {"LLA A a c, a < h: none", {"3", _, "5", "40", _, _}, "LLA", 0, {},
     "Con A = 40° y c = 5 no hay triángulo: el lado a debe medir al menos 3.2139 (es 3)"},
    {"LLA A a c, a = h: right", {"5", _, "10", "30", _, _}, "LLA", 1,
     {{{{5, 8.6602540378443865, 10, 30, 60, 90}, 21.650635094610966, "rectángulo escaleno"}}}, ""},
    {"LLA A a c, h < a < c: two", {"4", _, "5", "40", _, _}, "LLA", 2,
     {{{{4, 6.2115248466849894, 5, 40, 86.535850985611522, 53.464149014388478}, 9.98172802177298, "acutángulo escaleno"},
       {{4, 1.4489195845047909, 5, 40, 13.464149014388478, 126.53585098561152}, 2.3283688908796207, "obtusángulo escaleno"}}},
     ""},
    {"LLA A a c, A over 45°, h < a < c: two", {"4.5", _, "5", "60", _, _}, "LLA", 2,
     {{{{4.5, 3.724744871391589, 5, 60, 45.793169048263963, 74.206830951736037}, 8.0643092031022948, "acutángulo escaleno"},
       {{4.5, 1.275255128608411, 5, 60, 14.206830951736037, 105.79316904826396}, 2.7610083442031883, "obtusángulo escaleno"}}},
     ""},
    {"LLA A a c, a > c: one", {"6", _, "5", "40", _, _}, "LLA", 1,
     {{{{6, 8.8968386625776919, 5, 40, 107.61156617542062, 32.388433824579378}, 14.296944144212755, "obtusángulo escaleno"}}}, ""},
    {"LLA A a c, a = c: one", {"5", _, "5", "40", _, _}, "LLA", 1,
     {{{{5, 7.6604444311897804, 5, 40, 100, 40}, 12.310096912652601, "obtusángulo isósceles"}}}, ""},
    {"LLA A a c, obtuse, a > c: one", {"7", _, "5", "120", _, _}, "LLA", 1,
     {{{{7, 3, 5, 120, 21.786789298261811, 38.213210701738189}, 6.4951905283832899, "obtusángulo escaleno"}}}, ""},
    {"LLA A a c, obtuse, a < c: none", {"4", _, "5", "120", _, _}, "LLA", 0, {},
     "Con A = 120° no hay triángulo: el lado a debe ser mayor que c = 5 (es 4)"},

    // Two of them with angle B, its side b and the side a: h = a·sen B. (The
    // obtuse angle with b = a, the boundary the rows above leave out.)
    {"LLA B b a, h < b < a: two", {"8", "5", _, _, "30", _}, "LLA", 2,
     {{{{8, 5, 9.9282032302755092, 53.130102354155979, 30, 96.869897645844021}, 19.856406460551018, "obtusángulo escaleno"},
       {{8, 5, 3.9282032302755092, 126.86989764584402, 30, 23.130102354155979}, 7.8564064605510183, "obtusángulo escaleno"}}},
     ""},
    {"LLA B b a, obtuse, b = a: none", {"5", "5", _, _, "100", _}, "LLA", 0, {},
     "Con B = 100° no hay triángulo: el lado b debe ser mayor que a = 5 (es 5)"},

    // Refusals.
    {"two parts", {"3", "4", _, _, _, _}, "", 0, {},
     "Faltan datos: dé tres de las seis partes, al menos un lado (hay 2)"},
    {"four parts", {"3", "4", "5", "90", _, _}, "", 0, {},
     "Sobran datos: dé solo tres de las seis partes (hay 4)"},
    {"three angles", {_, _, _, "60", "60", "60"}, "AAA", 0, {},
     "Con tres ángulos hay infinitos triángulos semejantes: dé al menos un lado"},
    {"side zero", {"0", "4", "5", _, _, _}, "LLL", 0, {}, "El lado a debe ser mayor que 0 (es 0)"},
    {"side negative", {_, "-7", "5", "49", _, _}, "LAL", 0, {}, "El lado b debe ser mayor que 0 (es -7)"},
    {"side beyond the doubles", {"3", _, "1e400", _, "40", _}, "LAL", 0, {},
     "El lado c sale del rango de los números de doble precisión"},
    {"angle zero", {_, _, "5", "0", "40", _}, "ALA", 0, {},
     "El ángulo A debe ser mayor que 0° y menor que 180° (es 0°)"},
    {"angle 180", {"3", "4", _, _, _, "180"}, "LAL", 0, {},
     "El ángulo C debe ser mayor que 0° y menor que 180° (es 180°)"},
    {"angle just over 180", {"3", "4", _, _, _, "180.0000001"}, "LAL", 0, {},
     "El ángulo C debe ser mayor que 0° y menor que 180° (es 180.0000001°)"},
    {"angles of 180", {_, _, "5", "100", "80", _}, "ALA", 0, {},
     "Los ángulos A y B suman 180° o más: no queda ángulo para C (A = 100°, B = 80°)"},
    {"angles over 180", {_, "5", _, "100", "90", _}, "LAA", 0, {},
     "Los ángulos A y B suman 180° o más: no queda ángulo para C (A = 100°, B = 90°)"},
    {"sides too short for a", {"9", "2", "5", _, _, _}, "LLL", 0, {}, "b + c = 7 no es mayor que a = 9"},
    {"sides flat", {"3", "4", "7", _, _, _}, "LLL", 0, {}, "a + b = 7 no es mayor que c = 7"},
    {"sides nearly flat", {"3", "4", "7.00001", _, _, _}, "LLL", 0, {},
     "a + b = 7 no es mayor que c = 7.00001"},
    {"sides too far apart", {"1e300", "1e-10", _, _, _, "90"}, "LAL", 0, {},
     "Los lados a = 1E+300 y b = 1E-10 son de tamaños demasiado distintos para calcular con doble "
     "precisión"},
    {"area beyond the doubles", {"1e200", "1e200", "1e200", _, _, _}, "LLL", 0, {},
     "El área sale del rango de los números de doble precisión: sería de unos 4.33E+399"},
    {"area below the doubles", {"1e-200", "1e-200", "1e-200", _, _, _}, "LLL", 0, {},
     "El área sale del rango de los números de doble precisión: sería de unos 4.33E-401"},
};

inline const Row &Named(std::string_view name)
{
    for (const Row &row : kRows) {
        if (name == row.name)
            return row;
    }
    std::abort();
}

// How many parts the row gives.
inline int Given(const Row &row)
{
    return int(std::count_if(row.typed.begin(), row.typed.end(), [](const char *t) { return t; }));
}

} // namespace general_cases
