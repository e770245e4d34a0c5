#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kSheep = {{
    {Rat,
     "For a Sheep, a Rat can be charming company at first and a puzzling partner later. The Rat "
     "is shrewd, sociable and busy, always chasing an opportunity, while the Sheep wants "
     "gentleness, beauty and time to dream. The Sheep may lean on the Rat's practical sense, and "
     "the Rat may enjoy the Sheep's warmth and artistic eye. Difficulties arise around money and "
     "mood. The thrifty Rat can find the Sheep extravagant with pretty things, and the Sheep can "
     "find the Rat calculating or sharp-tongued when stressed. The Sheep also needs frequent "
     "reassurance, which the restless Rat does not always remember to give. At work they can "
     "cooperate on creative projects if the Rat manages the budget. In love, this pair needs "
     "patient conversations about feelings and finances, and the Sheep must resist hiding its "
     "hurt until it boils over.",
     "On the compatibility scale of one to ten, Sheep and Rat manage a modest four."},
    {Ox,
     "The Sheep and the Ox are traditional opposites, and the tension between them is hard to "
     "ignore. The Ox is firm, dutiful and plain, and it expects effort to be measured in results. "
     "The Sheep is soft-hearted, imaginative and guided by feeling, and it expects kindness to be "
     "measured in attention. To the Ox, the Sheep can seem moody, indulgent and unreliable; to "
     "the Sheep, the Ox can seem rigid, cold and stingy with praise. Arguments tend to go "
     "nowhere, since the Ox digs in and the Sheep retreats in silence. At home they may disagree "
     "about spending, comfort and how much room to leave for play. Work together is possible when "
     "tasks are strictly divided, yet even then the Ox's bluntness can bruise the Sheep. A Sheep "
     "who chooses an Ox needs thick skin, clear boundaries and friends elsewhere for comfort.",
     "On the compatibility scale of one to ten, Sheep and Ox have a poor score of two."},
    {Tiger,
     "A Sheep may feel swept off its feet by a Tiger, and then a little trampled. The Tiger is "
     "bold, restless and fond of risk, and its confidence can feel like shelter to the gentle "
     "Sheep. The Tiger, in turn, enjoys the Sheep's tenderness and creative spirit. Yet they run "
     "on different fuel. The Tiger wants excitement and independence, while the Sheep wants "
     "security and a partner who stays close. When the Tiger charges ahead without consulting "
     "anyone, the Sheep feels overlooked; when the Sheep frets or sulks, the Tiger feels "
     "smothered and impatient. Friendship is easier than romance, since neither has to depend on "
     "the other in day-to-day life. At work the Tiger may lead, with the Sheep adding polish. For love to "
     "hold, the Tiger must slow down and listen, and the Sheep must find the courage to speak up "
     "rather than wait to be noticed.",
     "On the compatibility scale of one to ten, Sheep and Tiger reach only a fragile four."},
    {Rabbit,
     "A Sheep and a Rabbit understand each other in a quiet, instinctive way. Both are gentle, "
     "both dislike conflict, and both cherish a beautiful, peaceful home. The Rabbit's tact and "
     "good sense calm the Sheep's worries, and the Sheep's warmth and imagination give the Rabbit "
     "a sense of being deeply cared for. In love they are considerate and affectionate, paying "
     "attention to small gestures: flowers, favourite meals, a kind word at the right moment. As "
     "friends they share a love of art, music and long conversations. Their home tends to be "
     "comfortable and tasteful. The only weakness is that neither likes confrontation, so "
     "problems can be left unspoken too long, and neither pushes hard when bold decisions are "
     "needed. As long as they learn to talk openly about difficulties, a Sheep finds in a Rabbit "
     "an ideal companion for a long and gentle life.",
     "On the compatibility scale of one to ten, Sheep and Rabbit score a glowing nine."},
    {Dragon,
     "The Sheep admires the Dragon's brilliance, and the Dragon enjoys being admired, which gives "
     "this pair a pleasant start. The Dragon is confident and ambitious, happy to take charge, "
     "and the Sheep is glad to have a strong partner who makes decisions and opens doors. In "
     "return the Sheep offers kindness, taste and a soothing atmosphere that the hard-driving "
     "Dragon quietly needs. Romance is warm when the Dragon remembers that the Sheep needs "
     "tenderness, not just protection. Friction comes when the Dragon is too busy chasing its "
     "goals to notice the Sheep's moods, or when the Sheep's indecision tries the Dragon's "
     "patience. At work the Dragon leads and the Sheep refines, and the result is often "
     "impressive. On the whole, a Sheep can be content and secure beside a Dragon, with only a "
     "few rough patches along the way. The Dragon gains a devoted ally whose quiet praise means "
     "more than applause from a crowd.",
     "On the compatibility scale of one to ten, Sheep and Dragon have a pleasant score of seven."},
    {Snake,
     "The Sheep and the Snake share a love of refinement, comfort and the finer things, so they "
     "often feel at ease together from the start. The Snake is calm, thoughtful and perceptive, "
     "and it notices the Sheep's feelings without needing them spelled out, which the Sheep finds "
     "deeply reassuring. The Sheep brings softness and creativity that help the Snake relax its "
     "guard. They can spend long evenings over books, films or good food and feel no need for "
     "outside excitement. The rubs appear over money and mood: both may indulge, and the Snake "
     "can become possessive or secretive, while the Sheep can become anxious and clingy. The "
     "Snake also dislikes emotional outbursts, so the Sheep should express worries calmly. At "
     "work they make a sharp and stylish team. For the Sheep, this is a gentle, comfortable match "
     "with a little hidden depth to explore.",
     "On the compatibility scale of one to ten, Sheep and Snake score an easy seven."},
    {Horse,
     "For a Sheep, a Horse can be the partner who opens the windows and lets fresh air into life. "
     "The Horse is lively, brave and sociable, and it takes the Sheep out into the world, making "
     "new friends and trying new things. The Sheep gives the Horse something it may not know it "
     "lacked: a warm, welcoming place to rest and someone who listens with real sympathy. In "
     "love, the Sheep enjoys the Horse's enthusiasm, and the Horse appreciates the Sheep's "
     "devotion and creative spark. As friends they share plenty of laughter. Some adjustment is "
     "needed, because the Horse can be impatient and blunt, and the Sheep can take things "
     "personally and brood. The Sheep should not read every absence of the Horse as neglect, "
     "since freedom matters to that sign. With trust on both sides, a Sheep and a Horse form a "
     "loving and supportive bond.",
     "On the compatibility scale of one to ten, Sheep and Horse reach a loving eight."},
    {Sheep,
     "A household of Sheep is a soft, beautiful little world. The partners share the same "
     "sensitivity, the same love of art, comfort and kindness, and the same wish for a peaceful "
     "home filled with friends and family. Each understands the other's moods without needing an "
     "explanation, and small acts of care are noticed and returned. Romance between Sheep is "
     "tender and romantic, full of thoughtful gifts and shared creative pursuits. As friends they "
     "are endlessly supportive. The weakness lies in practical life: neither is naturally "
     "assertive, both can worry, and both may avoid hard choices or overspend on lovely things. "
     "In difficult times they may wait for the other to take charge. If one of them agrees to "
     "manage money and decisions, or they find a trusted adviser, a pair of Sheep can enjoy a "
     "lasting and deeply affectionate partnership.",
     "On the compatibility scale of one to ten, two Sheep have a near perfect score of nine.", Join::Directly},
    {Monkey,
     "A Sheep often finds a Monkey entertaining, clever and hard to pin down. The Monkey's wit "
     "and bright ideas can lift the Sheep out of a gloomy mood, and the Monkey likes the Sheep's "
     "gentle nature and imagination. Together they can have great fun, especially in creative or "
     "social settings. The strain shows when the Sheep needs steadiness. The Monkey is restless "
     "and likes to keep its options open, and its teasing, which it means lightly, may sting the "
     "sensitive Sheep. The Sheep's need for reassurance can also strike the Monkey as a burden. "
     "At work they can dream up inventive projects, though somebody must keep track of the "
     "details. In romance, the Sheep should not expect the Monkey to read its moods, and the "
     "Monkey should learn that kindness matters more to the Sheep than cleverness. It can work, "
     "but only with effort.",
     "On the compatibility scale of one to ten, Sheep and Monkey have a so-so score of five."},
    {Rooster,
     "The Sheep and the Rooster look at life through different lenses. The Rooster is exact, "
     "organised and frank, quick to point out what could be done better, while the Sheep is "
     "gentle, artistic and easily hurt by criticism. At first the Sheep may be impressed by the "
     "Rooster's confidence and neat competence, and the Rooster may enjoy the Sheep's charm and "
     "kindness. Trouble begins when the Rooster's comments, meant as help, land on the Sheep as "
     "blame. The Sheep tends to retreat, and the Rooster, puzzled, may push harder. Spending is "
     "another sore point, as the Rooster keeps accounts carefully and the Sheep buys with its "
     "heart. In work, a Rooster's planning can support the Sheep's creativity if feedback is "
     "given with care. Love is possible when the Rooster softens its tone and the Sheep learns "
     "not to take every remark as a verdict.",
     "On the compatibility scale of one to ten, Sheep and Rooster manage a workable five."},
    {Dog,
     "The Sheep and the Dog are both kind-hearted, but they worry in ways that tend to feed each "
     "other. The Dog is loyal, principled and watchful, always alert to what could go wrong; the "
     "Sheep is gentle and imaginative, and it too can sink into anxiety. Instead of lifting each "
     "other up, they may end up sharing their fears until the mood at home grows heavy. The Dog's "
     "strict sense of right and wrong can also clash with the Sheep's more relaxed attitude to "
     "duty and money, and the Dog may scold where the Sheep hoped for sympathy. The Sheep, in "
     "turn, can seem moody or self-indulgent to the Dog. There is real goodwill here, and in "
     "friendship they can be very loyal to each other. For romance to thrive, they need humour, "
     "outside friends and the habit of looking on the brighter side together. A shared hobby that "
     "makes them laugh can do more for them than any serious talk.",
     "On the compatibility scale of one to ten, Sheep and Dog have a troubled score of four."},
    {Boar,
     "The Sheep and the Boar are natural companions, both warm, generous and happiest when the "
     "people around them are content. The Boar is easygoing and sincere, and it offers the Sheep "
     "the kind of steady, uncritical affection it longs for. The Sheep repays this with "
     "tenderness, creativity and a knack for making any home feel cosy. In love they are gentle "
     "with each other, quick to forgive and slow to judge. As friends they enjoy good food, music "
     "and long, unhurried conversations. The Boar's cheerful strength helps calm the Sheep's "
     "worries, and the Sheep's sensitivity reminds the Boar to slow down and notice feelings. The "
     "only caution is that both love comfort and may overindulge or avoid hard decisions about "
     "money. Even so, a Sheep could hardly hope for a kinder, more loyal partner than a Boar, nor "
     "a happier place to grow old.",
     "On the compatibility scale of one to ten, Sheep and Boar score a splendid nine."},
}};

}  // namespace zodiac::content::pairs
