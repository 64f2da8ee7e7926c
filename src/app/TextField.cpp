#include "app/TextField.h"

#include "base/Cp1252.h"

#include <algorithm>

namespace qv {

void TextField::setText(std::string value) {
    text = std::move(value);
    if (maxLength > 0 && text.size() > maxLength) {
        text.resize(maxLength);
    }
    selStart = text.size();
    selLength = 0;
}

void TextField::select(std::size_t start, std::size_t length) {
    selStart = std::min(start, text.size());
    selLength = std::min(length, text.size() - selStart);
}

bool typeKey(TextField& field, int key) {
    field.select(field.selStart, field.selLength);
    if (key == keys::kBackspace) {
        if (field.selLength > 0) {
            field.text.erase(field.selStart, field.selLength);
        } else if (field.selStart > 0) {
            field.text.erase(field.selStart - 1, 1);
            --field.selStart;
        } else {
            return false;
        }
        field.selLength = 0;
        return true;
    }
    if (key < 32 || key > 255 || !isStorableChar(decodeCp1252(static_cast<unsigned char>(key)))) {
        return false;
    }
    const std::size_t kept = field.text.size() - field.selLength;
    if (field.maxLength > 0 && kept >= field.maxLength) {
        return false;
    }
    field.text.replace(field.selStart, field.selLength, 1, static_cast<char>(key));
    ++field.selStart;
    field.selLength = 0;
    return true;
}

bool sanitize(TextField& field) {
    const std::string before = field.text;
    std::string clean;
    clean.reserve(before.size());
    for (char c : before) {
        if (isStorableChar(decodeCp1252(static_cast<unsigned char>(c)))) {
            clean.push_back(c);
        }
    }
    if (field.maxLength > 0 && clean.size() > field.maxLength) {
        clean.resize(field.maxLength);
    }
    if (clean == before) {
        return false;
    }
    field.text = std::move(clean);
    field.select(field.selStart, field.selLength);
    return true;
}

int upperKey(int key) {
    return key >= keys::kSpace && key <= 255
               ? static_cast<unsigned char>(toUpper(static_cast<char>(key)))
               : key;
}

} // namespace qv
