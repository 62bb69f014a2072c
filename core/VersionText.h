// PowerPoint's version as its automation object gives it ("11.0"), read the same in every locale.
#pragma once

#include <string>

// A decimal number with "." as the separator, whatever the user's locale: blanks around it, an
// optional sign, digits with at most one "." among them. False for anything else.
bool ParseVersionNumber(const std::string& text, double& value);

// PowerPoint 2002 (version 10) or later; false for a text that is no number.
bool IsSupportedPowerPointVersion(const std::string& text);
