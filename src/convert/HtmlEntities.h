#pragma once
// The only entities the marked text decodes: "&nbsp;" -> blank, "&lt;" -> "<", "&gt;" -> ">",
// "&amp;" -> "&", any letter case. Done once over the finished text, so an "&amp;lt;" stays
// "&lt;" and an "&amp;" in a link target becomes "&".
#include <string>

void DecodeFourEntities(std::u16string& text);
