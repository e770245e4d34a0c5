#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kRooster = {{
    {Rat,
     "A Rooster and a Rat share a respect for effort and a healthy interest in getting ahead, so "
     "they tend to understand each other's ambitions. The Rooster is organised, frank and proud "
     "of doing things correctly; the Rat is charming, shrewd and skilled at spotting "
     "opportunities. In a household the Rooster keeps the calendar and the Rat keeps an eye on "
     "the savings, which suits both. Friction appears around style: the Rat likes to keep a few "
     "secrets and dislikes being corrected, while the Rooster cannot resist pointing out errors. "
     "The Rat's sociable schemes may also strike the Rooster as a little slippery. Still, "
     "affection comes easily, and as friends they enjoy swapping opinions over good meals. At "
     "work they are productive, if occasionally competitive. If the Rooster softens its "
     "critiques, this becomes a comfortable and rewarding partnership.",
     "On the compatibility scale of one to ten, Rooster and Rat earn a respectable six."},
    {Ox,
     "The Rooster finds in the Ox a partner who actually appreciates all its careful planning. "
     "Both value hard work, reliability and a well-run life, and neither sees anything odd in a "
     "neat schedule or a tidy drawer. The Ox is calm and patient, which helps it absorb the "
     "Rooster's occasional outbursts without taking offence, and the Rooster's flair and "
     "conversation bring colour to the Ox's quieter world. In love the bond is loyal and steady, "
     "built on shared values rather than fireworks. Friends see them as dependable hosts who "
     "always keep their word. At work they form an excellent team: the Rooster manages details "
     "and presentation, the Ox provides stamina and persistence. The only snag is that both can "
     "be stubborn about how things should be done, but their common goals usually win out, making "
     "this one of the Rooster's happiest matches.",
     "On the compatibility scale of one to ten, Rooster and Ox have an excellent score of nine."},
    {Tiger,
     "When a Rooster meets a Tiger, two proud creatures size each other up. The Tiger is daring, "
     "rebellious and driven by instinct; the Rooster is methodical, opinionated and keen on doing "
     "things the proper way. The Rooster may admire the Tiger's courage but cannot help "
     "critiquing its recklessness, and the Tiger hates nothing more than being lectured. "
     "Arguments between them can be loud and surprisingly personal. In love there is excitement, "
     "but also a tug of war over control and a lack of gentleness on both sides. As friends they "
     "do better when they share a cause, since both can be fiercely principled. Professionally, "
     "the Rooster's organisation could support the Tiger's big moves if the Tiger would accept "
     "structure. This pair needs diplomacy, and the Rooster especially must learn that a Tiger is "
     "led by encouragement rather than correction.",
     "On the compatibility scale of one to ten, Rooster and Tiger have a shaky score of four."},
    {Rabbit,
     "The Rooster and the Rabbit sit opposite one another in the zodiac, and in daily life they "
     "often seem to speak different languages. The Rooster is direct, bold and eager to share its "
     "opinions; the Rabbit is refined, discreet and deeply averse to confrontation. What the "
     "Rooster considers helpful honesty, the Rabbit feels as a string of small wounds. The "
     "Rabbit's tactful silences, in turn, look evasive to a Rooster who wants things said "
     "plainly. Even their ideas of a pleasant evening differ, the Rooster wanting to go out and "
     "be admired, the Rabbit preferring a cosy room and close friends. Romance is hard to sustain "
     "without constant adjustment. At work they can cooperate politely but rarely warmly. Neither "
     "sign is at fault here; their instincts simply point in opposite directions, so kindness, "
     "restraint and considerable tolerance are needed just to keep the peace.",
     "On the compatibility scale of one to ten, Rooster and Rabbit manage only a poor two."},
    {Dragon,
     "A Rooster and a Dragon together make a striking, confident couple who rarely go unnoticed. "
     "The Dragon brings ambition, charisma and sweeping ideas; the Rooster brings sharp "
     "judgement, careful organisation and a talent for presentation. The Rooster is proud to "
     "stand beside such a bold partner, and the Dragon values a companion who can turn grand "
     "dreams into orderly plans. In love both are generous with admiration, which suits two signs "
     "that enjoy being appreciated. Friends know them as lively hosts with strong views. At work "
     "the match is superb, the Dragon setting direction and the Rooster making sure nothing slips "
     "through the cracks. Their main risk is vanity, since each likes the last word and the "
     "brightest spotlight. As long as the Rooster keeps its criticism private and the Dragon "
     "remembers to thank its partner, this pairing is strong and joyful.",
     "On the compatibility scale of one to ten, Rooster and Dragon score a splendid nine."},
    {Snake,
     "The Rooster and the Snake share a quiet understanding that others may not notice at first. "
     "Both are intelligent, observant and serious about quality, and both prefer a life with a "
     "clear plan. The Snake is reflective and subtle; the Rooster is outspoken and energetic, yet "
     "the Snake rarely minds the Rooster's candour, often finding it refreshing. In romance the "
     "Snake's depth steadies the Rooster, while the Rooster's confidence and devotion reassure "
     "the Snake. Their home tends to be elegant, well ordered and financially secure. As friends "
     "they trade sharp observations about the world and trust each other's discretion. At work "
     "they make a formidable duo, the Snake devising strategy and the Rooster executing it with "
     "precision. Small strains can come from the Snake's secrecy or the Rooster's need for "
     "praise, but these fade beside how much they genuinely respect each other.",
     "On the compatibility scale of one to ten, Rooster and Snake reach a very strong nine."},
    {Horse,
     "The Rooster likes schedules, and the Horse likes open roads, yet this pair often finds a "
     "pleasant middle ground. Both are sociable, energetic and fond of looking their best, so "
     "they enjoy going out together and rarely run short of conversation. The Horse is cheerful, "
     "honest and quick, and appreciates that the Rooster says what it means. The Rooster values "
     "the Horse's enthusiasm and the way it turns a dull weekend into an adventure. The rubs "
     "appear when the Rooster tries to organise the Horse's time or comments on its impulsive "
     "spending; a Horse that feels reined in will simply bolt. At home they need some shared "
     "routines and a good deal of freedom. At work the Rooster plans and the Horse sprints, which "
     "succeeds as long as they agree on deadlines. With a light touch from the Rooster, this "
     "friendship or romance flows easily.",
     "On the compatibility scale of one to ten, Rooster and Horse have a pleasant score of six."},
    {Sheep,
     "A Rooster and a Sheep approach life from different ends. The Rooster wants results, tidy "
     "plans and honest feedback; the Sheep wants harmony, beauty and a sense of being cared for. "
     "The Rooster is often drawn to the Sheep's kindness and artistic touch, and the Sheep "
     "admires the Rooster's confidence and practicality. But the Rooster's habit of critiquing "
     "can feel harsh to a Sheep who takes words to heart, and the Sheep's dreamy pace and "
     "changing moods may frustrate a partner who likes things settled. Money can be a sore point, "
     "with the Rooster budgeting and the Sheep spending on comfort. At work the Rooster can give "
     "structure to the Sheep's creativity if it offers encouragement along with corrections. This "
     "bond asks for patience from both: more tenderness from the Rooster and more decisiveness "
     "from the Sheep.",
     "On the compatibility scale of one to ten, Rooster and Sheep sit at a middling five."},
    {Monkey,
     "From the Rooster's point of view, the Monkey is clever, amusing and maddeningly unreliable. "
     "The Rooster takes pride in doing things thoroughly and by the book, whereas the Monkey "
     "treats rules as puzzles to solve or ignore. Early on, the Rooster may be dazzled by the "
     "Monkey's charm, and the pair can spend delightful evenings trading quips. Over time the "
     "Rooster's attention to detail spots every loose end the Monkey leaves behind, and the "
     "Rooster rarely keeps such observations to itself. The Monkey responds with teasing, which a "
     "proud Rooster does not enjoy. In love, trust becomes the central issue, especially over "
     "money and small evasions. At work they could complement each other, precision meeting "
     "ingenuity, if the Rooster tolerated some improvisation and the Monkey kept its promises. It "
     "is a match of lively talk but uneasy footing.",
     "On the compatibility scale of one to ten, Rooster and Monkey have an uneasy score of four."},
    {Rooster,
     "Two Roosters under one roof means two sets of opinions on how everything ought to be done, "
     "from folding towels to planning a career. They understand each other's love of order, "
     "appearance and hard work, and at first this shared outlook feels like a relief. Soon, "
     "though, each notices the other's mistakes, and neither is shy about mentioning them. Both "
     "crave admiration, and both dislike being corrected, which turns ordinary discussions into "
     "tests of pride. In romance they can be loyal and well-matched in values, yet tender moments "
     "get crowded out by debates. As friends they do better, enjoying frank conversation and "
     "mutual standards without daily contact. At work they are productive but prone to turf wars. "
     "The partnership improves greatly if they divide responsibilities clearly and agree to "
     "praise each other as readily as they criticise.",
     "On the compatibility scale of one to ten, two Roosters have a strained score of four."},
    {Dog,
     "The Rooster and the Dog are both honest creatures, yet honesty takes different forms in "
     "each. The Rooster speaks bluntly and likes to be seen doing things well; the Dog is "
     "earnest, protective and suspicious of anything that looks like showing off. The Dog may "
     "feel the Rooster is too concerned with appearances, and the Rooster may find the Dog "
     "anxious, stubborn or quick to judge. Both can be critical, and when they argue, neither "
     "wants to yield. Still, they share a strong sense of duty and a dislike of deceit, and that "
     "common ground matters. In a relationship, the Dog's loyalty can reassure the Rooster, and "
     "the Rooster's energy can cheer a worried Dog. At work they can be a principled team if they "
     "stop correcting each other's methods. This pair lasts when they focus on shared values "
     "rather than on winning arguments.",
     "On the compatibility scale of one to ten, Rooster and Dog have a workable but testing score "
     "of five."},
    {Boar,
     "The Boar is easygoing, generous and fond of life's pleasures; the Rooster is exacting, busy "
     "and keen on self-improvement. The Boar's warmth can soften the Rooster, and the Rooster's "
     "organisation can help a Boar who lets bills and chores pile up. But there is a steady "
     "source of friction. The Rooster often sees the Boar as too indulgent or too trusting, and "
     "it says so. The Boar, who dislikes conflict, may quietly resent being managed and gradually "
     "withdraw. In love, the Boar's patience is a real asset, since it forgives more readily than "
     "most signs, but even that patience has limits. As friends they enjoy hosting and good food, "
     "with the Rooster planning the evening and the Boar making it cosy. At work the Boar is "
     "diligent and fair. This match asks the Rooster to relax its standards and the Boar to speak "
     "up before resentment builds.",
     "On the compatibility scale of one to ten, Rooster and Boar reach a hard-won five."},
}};

}  // namespace zodiac::content::pairs
