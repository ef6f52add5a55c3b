#include "composition.h"

#include "numfmt.h"

#include <cctype>

const std::array<const char*, composition_size> element_symbols = {
    "C", "Si", "Mn", "P", "S", "Cu", "Cr", "Ni", "Mo", "Nb", "Ti", "B", "Al", "N2", "V", "W",
};

const std::array<int, KasatkinSteel::sweep_count> KasatkinSteel::sweep_elements = {
    el_c, el_mn, el_si, el_cr, el_mo, el_ni, el_v, el_ti, el_al, el_nb, el_w, el_cu,
};

const std::array<int, IonSteel::sweep_count> IonSteel::sweep_elements = {
    el_c, el_si, el_mn, el_p, el_s, el_cr, el_ni, el_cu,
};

namespace {

bool is_blank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The one vary rule of both models, evaluated in the order the sweeps expect:
// the range, divided by n, times i, plus the minimum.
template <std::size_t N>
double vary_element(CompositionRecord& steel, const std::array<ContentRange, N>& ranges,
                    const std::array<int, N>& elements, int k, int i, int n)
{
    if (k < 0 || k >= static_cast<int>(N) || n <= 0) return 0.0;
    // A step outside 0..n would leave the sweep's range; hold it at its ends.
    if (i < 0) i = 0;
    if (i > n) i = n;
    const ContentRange& range = ranges[static_cast<std::size_t>(k)];
    double value = (range.max - range.min) / n * i + range.min;
    steel[elements[static_cast<std::size_t>(k)]] = value;
    return value;
}

} // namespace

int read_numbers(std::string_view text, double* values, int count)
{
    int stored = 0;
    std::size_t pos = 0;
    while (stored < count) {
        while (pos < text.size() && is_blank(text[pos])) ++pos;
        if (pos >= text.size()) break;
        std::size_t end = pos;
        while (end < text.size() && !is_blank(text[end])) ++end;
        double value = 0.0;
        if (!parse_double(text.substr(pos, end - pos), value)) break;
        values[stored++] = value;
        pos = end;
    }
    return stored;
}

void CompositionRecord::init_composition_record()
{
    content.fill(0.0);
}

int CompositionRecord::parse_composition(std::string_view line)
{
    // Read into a scratch array first, so a malformed word leaves the contents
    // after it exactly as they were.
    std::array<double, composition_size> values{};
    int read = read_numbers(line, values.data(), composition_size);
    for (int i = 0; i < read; ++i) content[static_cast<std::size_t>(i)] = values[static_cast<std::size_t>(i)];
    return read;
}

void KasatkinSteel::init_kasatkin_steel()
{
    init_composition_record();
    static constexpr std::array<double, sweep_count> maxima = {
        0.4, 2.0, 0.8, 0.2, 1.0, 1.5, 1.5, 0.6, 0.6, 0.1, 0.5, 0.5,
    };
    for (std::size_t k = 0; k < maxima.size(); ++k) ranges[k] = ContentRange{0.0, maxima[k]};
}

double KasatkinSteel::kasatkin_vary_element(int k, int i, int n)
{
    return vary_element(*this, ranges, sweep_elements, k, i, n);
}

void IonSteel::init_ion_steel()
{
    init_composition_record();
    ranges = {{
        {0.1, 0.18}, {0.01, 0.53}, {0.41, 1.4}, {0.008, 0.029},
        {0.007, 0.043}, {0.02, 0.07}, {0.02, 0.06}, {0.06, 0.21},
    }};
}

double IonSteel::ion_vary_element(int k, int i, int n)
{
    return vary_element(*this, ranges, sweep_elements, k, i, n);
}

void ShorshorovSteel::init_shorshorov_steel()
{
    init_composition_record();
}

int ShorshorovSteel::shorshorov_parse_composition(std::string_view line)
{
    static constexpr std::array<int, 15> file_order = {
        el_c, el_si, el_mn, el_cr, el_ni, el_mo, el_s, el_p, el_cu, el_nb, el_ti, el_b, el_al, el_n2, el_v,
    };
    std::array<double, file_order.size()> values{};
    int read = read_numbers(line, values.data(), static_cast<int>(values.size()));
    for (int i = 0; i < read; ++i)
        (*this)[file_order[static_cast<std::size_t>(i)]] = values[static_cast<std::size_t>(i)];
    return read;
}

int ShorshorovSteel::shorshorov_parse_base_properties(std::string_view line)
{
    double* fields[] = {&base_first, &initial_rm, &initial_elongation, &initial_reduction, &initial_hv30};
    double values[5] = {};
    int read = read_numbers(line, values, 5);
    for (int i = 0; i < read; ++i) *fields[i] = values[i];
    return read;
}
