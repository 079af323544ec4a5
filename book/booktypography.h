#pragma once

#include <QFont>

// The book's device: fine enough that a device unit (0.02 mm) never shows.
inline constexpr int bookResolution = 1200;
inline constexpr double bookPixelsPerMm = bookResolution / 25.4;

// A font of the book: its em height in mm. Pixel sizes keep the metrics the
// same on the PDF writer and wherever text is measured.
struct TextStyle {
    double size = 3.5;
    bool bold = false;
    bool italic = false;
};

QFont bookFont(const TextStyle& style);
