#pragma once

#include <array>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac::content {

// In the order of ZodiacElement: Metal, Water, Wood, Fire, Earth.
inline constexpr std::array<std::string_view, kElementCount> kElementDescriptions = {
    // Metal
    "You are strong-willed, disciplined and self-reliant, with a clear sense of what you want and "
    "the resolve to pursue it. You prefer firm principles to vague promises and stand by your "
    "decisions. Your focus and ambition help you succeed, though you should learn to bend a "
    "little when others need gentleness.",
    // Water
    "You are intuitive, flexible and persuasive, able to flow around obstacles that would stop "
    "others in their tracks. You understand people well and communicate with sympathy and tact, "
    "which makes you a natural diplomat. Your imagination is rich and your feelings run deep, though you "
    "may sometimes drift with the current instead of choosing your own course.",
    // Wood
    "You are growth-minded, generous and cooperative, always looking for ways to improve yourself "
    "and the world around you. You have a strong sense of fairness and enjoy working with others "
    "towards a shared goal. Your creativity and broad interests lead you into many fields, and "
    "your warmth attracts loyal supporters. You value steady progress over quick wins, though you "
    "can take on more than you can manage and may find it hard to say no.",
    // Fire
    "You are passionate, dynamic and decisive, a person whose energy and enthusiasm light up any "
    "project you touch. You love action and adventure, and you inspire others with your "
    "conviction and daring. Leadership comes naturally to you, and you are often the first to try "
    "something new, though your impatience and quick temper can burn bridges you later wish you "
    "had kept.",
    // Earth
    "You are practical, patient and dependable, a steady presence who keeps both feet on the "
    "ground. You think carefully before acting, plan for the long term and handle money and "
    "resources wisely. Others value your honesty and common sense, and you make a reliable "
    "friend, though you may be overly cautious and slow to embrace change.",
};

}  // namespace zodiac::content
