// The seven planetary patterns of a chart and their interpretation texts.
//
// A planetary pattern describes the overall shape the bodies make around the zodiac:
// scattered all round (Splash), gathered together (Bundle), filling one half (Bowl), one
// half with a lone body opposite (Bucket), two facing groups (Seesaw), two thirds with an
// empty trine (Locomotive), or none of these (Splay). The texts are shown to the user as
// they stand, spelling included; each is marked for the translators, the names in the
// context "Astrology" and the texts in "Patterns" (reading/chart_words.h shows them in the
// reader's language).
#pragma once

#include "patterns/text_noop.h"

#include <array>
#include <string_view>

namespace starloom {

// A pattern's slot: its row in PatternTable, its flag in PatternFlags and its place in
// the report.
enum PatternSlot : int {
    kSplashSlot = 0,
    kBundleSlot = 1,
    kBowlSlot = 2,
    kBucketSlot = 3,
    kSeesawSlot = 4,
    kLocomotiveSlot = 5,
    kSplaySlot = 6,
};

constexpr int kPatternCount = 7;

struct PatternText {
    std::string_view Name;
    std::string_view Description;
    std::string_view Positive; // positive attributes
    std::string_view Negative; // negative attributes
};

constexpr std::array<PatternText, kPatternCount> PatternTable = {{
    PatternText{
        STARLOOM_TEXT_NOOP("Astrology", "Splash"),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "The planets occupy almost all signs, and there are no adjacent vacant signs."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You will be interested in many things in your life. You will have no limitations or "
            "restrictions in your thinking. You will alwys be wanting to find out more about "
            "everything. You will have interests in a wide variety of topics. You are adaptable "
            "and flexible in thoughts and actions."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "This scatters your energies. You will have difficulty in focusing on things.")},
    PatternText{
        STARLOOM_TEXT_NOOP("Astrology", "Bundle"),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "The planets occupy the confines of a trine (120 degrees) or an even smaller space."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You will have a lot of personal strength. You will be focussed and not influenced "
            "by anyone. You will be confident and have good leadership qualities. You will "
            "prosper on a limited scope. You will be an expert in your field."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You are on the go when you are active, else nothing will make you move. Your "
            "thinking will be limited. You will have many restictions. In areas other than your "
            "field you will feel lost and rejected.")},
    PatternText{
        STARLOOM_TEXT_NOOP("Astrology", "Bowl"),
        STARLOOM_TEXT_NOOP("Patterns", "The planets occupy one half of the chart (180 degrees)."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "This is a highly motivating pattern. You will be highly determined in life. You "
            "have good people skills and can guide people for a cause. You will keep to "
            "yourself. You are very resourceful. You will be organized and on the lookout for "
            "knowledge of the unknown. You are aware of your skills and weakneses. You will have "
            "a lot of enrgy."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You will feel that you are missing out on something in life. You may not be "
            "compromising and have no interest in what other people think.")},
    PatternText{
        STARLOOM_TEXT_NOOP("Astrology", "Bucket"),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "All planets except one (or two together) occupy no more than one half of the chart. "
            "The one or two planets together oppose the other planets."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You will direct all your energies for the fulfillment of a single purpose. You will "
            "leave no stone unturned to see that your goal is achieved. You will have "
            "superuhuman power and unthinkable determination."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "The planet that is aloof can create problems for you and demands attention. It "
            "balances the rest of the chart.")},
    PatternText{
        STARLOOM_TEXT_NOOP("Astrology", "Seesaw"),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "The planets fall into two opposing groups. The vacant zodiacal areas measure at "
            "least 90 degrees or one segment 90 degrees and the other 60 degrees, never less."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You will be able to see both the sides of a coin and wil have to decide if you want "
            "to enjoy life or suffer. You will have a dual personality. You will need to strike "
            "a balance to be able to lead a happy life."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "Your life will always have an up-down motion. You may be unable to make decisions.")},
    PatternText{
        STARLOOM_TEXT_NOOP("Astrology", "Locomotive"),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "The planets fall more or less evenly within two thirds of the chart, leaving an "
            "empty trine (120 degrees)."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You are determined and physically fit to achieve your goals. You are a very "
            "practical person. The first and the last planet play an important part in shaping "
            "your personality. You will have a strong driving force. Your energy is very intense."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You will not like discipline of any kind. You will find it very easy to go from "
            "being highly energetic to becoming utterly depressed. This is caused by the empty "
            "portion of your chart.")},
    PatternText{
        STARLOOM_TEXT_NOOP("Astrology", "Splay"),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "The planets are not arranged into any one of the other six patterns but are "
            "distributed somewhat irregularly around the chart, usually based upon three points "
            "of emphasis, an arrangement that may result in a grand trine."),
        STARLOOM_TEXT_NOOP(
            "Patterns",
            "You will be well prepared to fight the worst battles. You will have a backup that "
            "you can turn to in times of need."),
        STARLOOM_TEXT_NOOP("Patterns", "You can be ruthless. You will resist conventional ideas.")},
}};

} // namespace starloom
