#include "Texts.h"

#include <atomic>

namespace vormante {

namespace {

std::atomic<TextTranslator> installedTranslator{nullptr};

} // namespace

void SetTextTranslator(TextTranslator translator) {
    installedTranslator.store(translator, std::memory_order_release);
}

std::string Tr(const char* context, const char* source) {
    const TextTranslator translator = installedTranslator.load(std::memory_order_acquire);
    return translator ? translator(context, source) : std::string(source);
}

std::string TrMarked(const MarkedText& text) {
    return Tr(text.context, text.source);
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size() + 16 * values.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '0') : 0;
        if (text[i] == '%' && n >= 1 && n <= values.size()) {
            out += values.begin()[n - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace vormante
