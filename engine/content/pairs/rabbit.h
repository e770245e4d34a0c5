#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kRabbit = {{
    {Rat,
     "A Rabbit and a Rat usually get along comfortably, sharing a fondness for a cosy, "
     "well-stocked home and a certain cautious common sense. The Rat's sharp wit and "
     "resourcefulness impress the Rabbit, who in turn offers grace, good taste and a talent for "
     "keeping social occasions pleasant. Money is rarely a crisis, since both prefer to save "
     "rather than squander, and each quietly approves of the other's thrift. The rubs come from "
     "temperament. The Rat is restless and always chasing the next opportunity, and its constant "
     "scheming can leave the Rabbit feeling unsettled. The Rabbit's habit of avoiding hard "
     "conversations may frustrate a Rat who likes problems solved quickly. Socially they are easy "
     "companions; in business the Rat drives the deal and the Rabbit handles the people. With a "
     "little patience on both sides, this is a pleasant, steady bond.",
     "On the compatibility scale of one to ten, Rabbit and Rat score a pleasant seven."},
    {Ox,
     "For a Rabbit, the Ox offers something precious: calm, reliable stability. The Ox is "
     "patient, hard-working and devoted to home, and it never springs unpleasant surprises, which "
     "lets the Rabbit relax completely. The Rabbit brings warmth, charm and a refined eye, "
     "turning the Ox's practical household into a place of beauty and comfort. Both dislike drama "
     "and prefer quiet evenings to loud parties, so weekends tend to pass in contented, unhurried "
     "ease. The Ox's bluntness can occasionally wound the sensitive Rabbit, and the Ox may find "
     "the Rabbit's diplomatic evasions hard to interpret, but these are small matters in a match "
     "built on mutual esteem. In the workplace the Ox carries the heavy load and the Rabbit "
     "negotiates with grace. As a couple they grow steadily closer over the years, creating a "
     "secure, harmonious life that both regard as a safe harbour.",
     "On the compatibility scale of one to ten, Rabbit and Ox score a healthy eight."},
    {Tiger,
     "Life beside a Tiger can feel like living next to a thunderstorm, and the Rabbit is a "
     "creature that prefers clear skies. The Rabbit is attracted by the Tiger's confidence and "
     "its protective warmth, and at first that energy seems thrilling. Over time the Tiger's "
     "blunt words, sudden plans and appetite for risk begin to wear on the Rabbit's nerves. The "
     "Rabbit copes by retreating into polite silence, which the Tiger may mistake for agreement. "
     "Yet the Rabbit has gifts this partnership badly needs. Its tact can calm the Tiger's "
     "temper, and its diplomacy can rescue the Tiger from social blunders. If the Rabbit can "
     "state its needs clearly and the Tiger can honour its wish for peace, they may find a "
     "workable balance, though the effort required should not be underestimated. Friendship "
     "between them often proves easier than romance, since the Rabbit can step back when the "
     "Tiger grows too intense.",
     "On the compatibility scale of one to ten, Rabbit and Tiger have an average score of five."},
    {Rabbit,
     "Two Rabbits together create one of the most peaceful homes imaginable. Both love beauty, "
     "comfort and good manners, and both would rather talk things over gently than raise their "
     "voices. Their shared taste means the house will be elegant, the dinners thoughtful and the "
     "friendships carefully tended. They understand each other's sensitivity without needing it "
     "explained, and a small kindness rarely goes unnoticed between them. The main danger is that "
     "harmony becomes an end in itself. Because neither wants to upset the other, real problems "
     "may be smoothed over instead of solved, and important decisions can stall while each "
     "politely waits for the other to choose. A pair of Rabbits should agree to be honest even "
     "when honesty feels awkward. Provided they manage that, their union is affectionate, loyal "
     "and restful, a quiet refuge from a noisy world.",
     "On the compatibility scale of one to ten, two Rabbits have a warm score of eight."},
    {Dragon,
     "The Rabbit enjoys basking in the Dragon's glow. The Dragon is bold, charismatic and full of "
     "grand ideas, and the Rabbit, who prefers to work behind the scenes, is happy to help those "
     "ideas succeed. Rabbits have a talent for the social finesse that Dragons sometimes lack, "
     "smoothing over the feathers the Dragon ruffles on its way to the top. The Dragon, for its "
     "part, offers confidence and protection, and its energy can coax the Rabbit out of overly "
     "cautious habits. The rubs are mild but real: the Dragon can be loud and demanding, and its "
     "blunt remarks may sting a Rabbit who takes things to heart. The Rabbit may also tire of a "
     "social calendar that never stops, and it will need evenings alone to recharge. With "
     "understanding on both sides, however, this is a comfortable match in which each admires "
     "what the other does best.",
     "On the compatibility scale of one to ten, Rabbit and Dragon reach an easy seven."},
    {Snake,
     "Quiet sophistication links the Rabbit and the Snake. Both appreciate art, culture and a "
     "well-ordered life, and both prefer thoughtful conversation to noisy crowds. The Snake's "
     "depth and wisdom fascinate the Rabbit, while the Rabbit's gentleness and charm put the "
     "Snake at ease. They are content spending long evenings reading, planning or simply enjoying "
     "a beautiful setting together. Money and status matter to each of them, so practical goals "
     "align well. Difficulties arise from the Snake's possessive streak and its tendency to keep "
     "secrets, which can make the trusting Rabbit feel shut out. The Rabbit's reluctance to "
     "confront problems means such feelings may go unspoken for too long. When they commit to "
     "open communication, this is a refined, easy partnership with plenty of quiet affection. A "
     "shared fondness for fine things also gives them countless small pleasures to enjoy side by "
     "side.",
     "On the compatibility scale of one to ten, Rabbit and Snake have a good score of seven."},
    {Horse,
     "The Rabbit wants a nest; the Horse wants a horizon, and that difference shapes everything "
     "between them. The Horse is lively, talkative and always ready to be off somewhere new, "
     "while the Rabbit finds its deepest contentment at home among familiar comforts. At first "
     "the Horse's cheerful energy can be delightful, pulling the Rabbit into fun it would never "
     "have sought alone. Over time, however, the Rabbit may feel neglected when the Horse is out "
     "again, and the Horse may feel tied down by the Rabbit's wish for routine. The Horse is also "
     "frank to the point of tactlessness, and the Rabbit bruises easily. Still, the Rabbit can "
     "teach the Horse the value of reflection, and the Horse can show the Rabbit that a little "
     "risk is not fatal. It takes compromise and steady goodwill to make this pairing last.",
     "On the compatibility scale of one to ten, Rabbit and Horse come in at a modest five."},
    {Sheep,
     "Gentle souls find each other when the Rabbit meets the Sheep. Both are kind, artistic and "
     "devoted to creating a home full of warmth, beauty and peace. The Sheep's generous heart and "
     "creative imagination enchant the Rabbit, and the Rabbit's tact and quiet good sense give "
     "the Sheep the security it craves. Neither is interested in power games, so their "
     "relationship rests on mutual care rather than competition. They tend to nurture each "
     "other's talents, whether in painting, music, cooking or the garden. The only real weak spot "
     "is practical: both may avoid unpleasant tasks such as budgets and confrontations, and a "
     "crisis can catch them unprepared. A little planning solves this easily, perhaps with a "
     "trusted friend or a simple budget kept on the kitchen wall. In love and friendship alike, "
     "this is a tender, harmonious bond that brings out the very best in both.",
     "On the compatibility scale of one to ten, Rabbit and Sheep have an excellent score of nine."},
    {Monkey,
     "The Rabbit may be charmed by the Monkey's wit and inventiveness, yet the two rarely settle "
     "into real comfort with each other. The Monkey thrives on mischief, change and clever "
     "tricks, while the Rabbit values calm, predictability and sincerity. A Monkey's pranks that "
     "seem harmless in its own eyes can leave a Rabbit feeling unsure where it stands. The "
     "Rabbit, cautious by nature, may hesitate to trust a partner whose plans change daily and "
     "whose promises seem flexible. The Monkey, for its part, can find the Rabbit too careful and "
     "too easily hurt. There are strengths to draw on: the Monkey can bring fresh ideas and "
     "laughter into the Rabbit's world, and the Rabbit can offer the Monkey a refined, restful "
     "home base. Humour can be a bridge, as long as the Monkey aims it at the world and not at "
     "the Rabbit. Building trust slowly is the key, and both must work harder than usual to meet "
     "halfway.",
     "On the compatibility scale of one to ten, Rabbit and Monkey reach a fragile four."},
    {Rooster,
     "The Rabbit and the Rooster rarely find peace together. The Rooster is frank, showy and "
     "quick to criticise, believing that honesty should be delivered without padding. To the "
     "sensitive Rabbit, such remarks feel harsh and unnecessary, and it responds by withdrawing "
     "behind a polite smile. The Rooster, in turn, reads this retreat as evasive or even "
     "dishonest, which sets off a fresh round of criticism. The Rooster's love of loud display "
     "clashes with the Rabbit's understated taste, and its brisk, regimented routines sit badly "
     "with the Rabbit's relaxed rhythm. Even in work settings, the Rooster's insistence on "
     "pointing out mistakes can make the Rabbit feel constantly judged. Cordial acquaintance is "
     "achievable, but a close bond demands more mutual softening than most Rabbits and Roosters "
     "are willing to attempt.",
     "On the compatibility scale of one to ten, Rabbit and Rooster manage a dismal two."},
    {Dog,
     "Trust comes naturally between the Rabbit and the Dog. The Dog is loyal, honest and "
     "protective, and the Rabbit feels safe in its company from the start. The Rabbit repays this "
     "with gentleness, patience and a knack for soothing the worries that so often trouble the "
     "Dog. Both value a peaceful home and fair dealing, and neither enjoys showing off, so they "
     "build a life grounded in shared principles rather than appearances. The Dog's forthright "
     "manner can occasionally jar with the Rabbit's diplomatic style, and the Dog may grow "
     "anxious when the Rabbit keeps its feelings to itself. Yet these are minor tensions that "
     "affection easily overcomes, particularly once the Dog learns that the Rabbit's silences are "
     "rarely a sign of trouble. As friends they are dependable confidants; as partners they form "
     "a warm, stable household in which each feels valued and understood.",
     "On the compatibility scale of one to ten, Rabbit and Dog reach a strong eight."},
    {Boar,
     "The Rabbit and the Boar share a deep love of life's comforts, and their home is likely to "
     "be full of good food, soft furnishings and welcoming friends. The Boar is sincere, generous "
     "and utterly without malice, which allows the cautious Rabbit to lower its guard completely. "
     "The Rabbit adds polish and discretion, guiding the Boar through social situations where its "
     "honesty might otherwise be too blunt. Each delights in the other's kindness, and they "
     "rarely argue about anything serious. The Boar's tendency to overindulge or to trust the "
     "wrong people may worry the Rabbit, but the Rabbit's gentle advice is usually welcome. At "
     "work they cooperate easily, neither grabbing credit, and friends tend to gather around them "
     "because the atmosphere they create is so relaxed. This is a warm, affectionate and deeply "
     "contented partnership that both are likely to treasure.",
     "On the compatibility scale of one to ten, Rabbit and Boar score a glowing nine."},
}};

}  // namespace zodiac::content::pairs
