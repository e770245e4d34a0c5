#pragma once

#include "engine/content/pairs/pair_prose.h"
#include "engine/content/pairs/rat.h"  // the Ox and Rat pair shares the Rat and Ox score sentence

namespace zodiac::content::pairs {

inline constexpr PairRow kOx = {{
    {Rat,
     "For the Ox, the Rat is a breath of fresh air that arrives with plenty of chatter and a "
     "pocketful of ideas. The Ox is steady, methodical and loyal, and it appreciates the Rat's "
     "quickness, thrift and knack for spotting a bargain or an opening. Together they can build "
     "something solid: the Rat finds the path and the Ox walks it without complaint. The Ox, "
     "however, may find the Rat restless and a little too fond of socialising, and its patience "
     "can wear thin when plans change at the last minute. The Ox is not given to flowery words, "
     "and the Rat sometimes reads that quiet as disapproval. When the Ox says aloud what it "
     "values in the Rat and allows some room for spontaneity, and the Rat respects the Ox's need "
     "for calm and routine, the two settle into an easy, productive and trustworthy partnership.",
     kRat[Index(Ox)].scoreSentence},
    {Ox,
     "Two Oxen share a deep understanding that needs few words. Both value hard work, honesty, "
     "tradition and a home that runs like clockwork, so there is little argument about how life "
     "should be lived. They are loyal partners who keep their promises, save sensibly and build "
     "their future slowly but surely, brick by patient brick. Friends see them as the most "
     "reliable couple they know. The risk is that life becomes too predictable; neither is "
     "inclined to suggest something new, and both can be stubborn enough to let a small "
     "disagreement harden into a long silence. Romance may need a deliberate nudge now and then, "
     "a trip to somewhere unfamiliar or a surprise planned in secret, just to remind them both "
     "that steadiness and fun are not enemies. Yet because each knows the other will always be "
     "there, these two enjoy a security and contentment that flashier pairings rarely achieve.",
     "On the compatibility scale of one to ten, two Oxen have a strong score of eight."},
    {Tiger,
     "The Ox and the Tiger are both strong-willed, and that is where the trouble begins. The Ox "
     "moves carefully, respects authority and likes a settled routine; the Tiger craves "
     "adventure, challenges every rule and hates being held back. The Ox may see the Tiger as "
     "rash and unreliable, while the Tiger sees the Ox as rigid and dull, and neither likes to "
     "yield. In love the attraction of opposites can work for a while, but arguments over "
     "freedom, money and plans are common, and both can hold a grudge. At work they compete for "
     "control rather than sharing it. That said, when they truly respect each other, the Ox gives "
     "the Tiger stability and the Tiger gives the Ox courage to try something new. The "
     "relationship asks for real compromise and a conscious effort to listen before reacting, and "
     "it helps if the Tiger has an outlet for its restlessness that does not upset the Ox's "
     "carefully built routine.",
     "On the compatibility scale of one to ten, Ox and Tiger have a strained score of four."},
    {Rabbit,
     "The Ox and the Rabbit share a love of peace, order and home comforts, and that common "
     "ground makes them a well-matched pair. The Ox provides strength and dependability, which "
     "helps the cautious Rabbit feel secure, while the Rabbit adds grace, tact and a gentle sense "
     "of beauty to the Ox's practical world. Neither seeks drama, so the household tends to be "
     "calm and well kept, with shared pleasures like good meals and quiet evenings among close "
     "friends. The Rabbit smooths over social situations where the Ox might be too blunt, and the "
     "Ox protects the Rabbit from the harsher side of life. Small tensions can arise because the "
     "Rabbit dislikes confrontation and may hide its feelings, leaving the Ox unaware that "
     "anything is wrong. The cure is simple enough: a Rabbit who speaks up early and an Ox who "
     "asks now and then how things really are. Handled that way, their bond stays tender, stable "
     "and lasting.",
     "On the compatibility scale of one to ten, Ox and Rabbit reach a happy eight."},
    {Dragon,
     "An Ox and a Dragon can be a powerful combination, though not always an effortless one. The "
     "Dragon brings energy, ambition and flair, while the Ox brings endurance, careful planning "
     "and an unshakable work ethic. In business they can achieve a great deal, the Dragon opening "
     "doors and the Ox making sure the work behind them is done properly. Personally, the Ox "
     "admires the Dragon's confidence, and the Dragon respects the Ox's steadiness more than it "
     "might admit. The sticking point is pride: both like to be in charge, and the Dragon's love "
     "of attention and spontaneity can clash with the Ox's preference for modesty and routine. If "
     "they agree on who leads in which area and let each other shine in their own way, the "
     "relationship is solid, respectful and productive. The Dragon also does well to remember "
     "that the Ox shows love through deeds, not speeches, and to notice the many quiet kindnesses "
     "done on its behalf.",
     "On the compatibility scale of one to ten, Ox and Dragon have a good score of seven."},
    {Snake,
     "The Ox and the Snake make an excellent pairing built on trust and quiet understanding. Both "
     "are thoughtful, reserved and serious about their goals, and neither needs constant company "
     "or noisy entertainment to feel content. The Snake's intuition and refined taste complement "
     "the Ox's practical strength, and together they make wise decisions about money, family and "
     "career. The Ox feels that the Snake truly understands it, and the Snake values the Ox's "
     "honesty and loyalty above almost anything. Their love runs deep even if it is rarely "
     "displayed in public. The only shadows are a shared tendency towards jealousy and a dislike "
     "of admitting fault, so disagreements can simmer beneath the surface. Provided they air "
     "grievances early rather than nursing them, the Ox and the Snake enjoy a calm, devoted and "
     "remarkably durable union, the sort that grows richer with every passing decade.",
     "On the compatibility scale of one to ten, Ox and Snake have an excellent score of nine."},
    {Horse,
     "An Ox and a Horse want very different lives, and making room for both takes effort. The Ox "
     "is patient, home-loving and careful with commitments; the Horse is restless, sociable and "
     "happiest when it has the freedom to roam. The Ox may feel neglected or anxious when the "
     "Horse rushes from one interest to the next, and the Horse can feel fenced in by the Ox's "
     "routines and expectations. Arguments often centre on time, money and plans, since the Horse "
     "tends to decide on the spur of the moment. Even so, there is something each can gain: the "
     "Ox shows the Horse the value of finishing what it starts, and the Horse brings warmth, "
     "laughter and fresh experiences into the Ox's orderly world. With clear agreements and "
     "respect for each other's space, the relationship can hold together, and in time the Ox may "
     "even come to enjoy the Horse's fondness for travel and crowds.",
     "On the compatibility scale of one to ten, Ox and Horse have an average score of five."},
    {Sheep,
     "The Ox and the Sheep are opposite signs, and their differences run deep. The Ox is "
     "practical, disciplined and sparing with sentiment; the Sheep is emotional, imaginative and "
     "in need of tender attention. The Ox may regard the Sheep as moody, impractical or careless "
     "with money, while the Sheep finds the Ox cold, critical and too attached to rules. Neither "
     "easily understands what the other wants from love, and both can withdraw into hurt silence "
     "rather than talk things through. Day-to-day decisions, from spending to household duties, "
     "can become small battlegrounds. Friends and relatives may try to help, but the gap is one "
     "only the couple can close. A relationship here is not impossible, yet it demands unusual "
     "patience: the Ox must learn to offer warmth without being asked, and the Sheep must accept "
     "the Ox's steadiness as its own kind of care.",
     "On the compatibility scale of one to ten, Ox and Sheep have a poor score of two."},
    {Monkey,
     "The Ox and the Monkey are often entertained by each other at first, but living together is "
     "harder. The Monkey is witty, restless and always hunting for the next clever trick, while "
     "the Ox values honesty, routine and steady effort. The Ox can find the Monkey unreliable or "
     "too fond of shortcuts, and the Monkey may grow bored with the Ox's careful, deliberate "
     "ways. Trust becomes an issue when the Monkey bends the truth for fun and the Ox takes it "
     "seriously. On the brighter side, the Monkey can bring humour and new ideas into the Ox's "
     "world, and the Ox can provide the grounding that keeps the Monkey's talents from "
     "scattering. The pair needs plain honesty, a sense of humour about their differences and a "
     "willingness to meet halfway. Business ventures between them are risky unless the roles and "
     "the money are agreed in writing from the very beginning.",
     "On the compatibility scale of one to ten, Ox and Monkey have a low score of four."},
    {Rooster,
     "The Ox and the Rooster are a natural fit. Both are hard-working, orderly and proud of doing "
     "things properly, and they share a straightforward approach to life that leaves little room "
     "for misunderstanding. The Rooster's sharp eye for detail and confident presentation pair "
     "well with the Ox's endurance and dependability, making them formidable partners at work and "
     "in running a household. The Ox respects the Rooster's honesty, and the Rooster appreciates "
     "that the Ox never wavers in loyalty. Their home is tidy, their finances sound and their "
     "plans well made. The only friction may come when the Rooster's criticism becomes too "
     "frequent or the Ox's stubbornness refuses any suggestion, but these clashes rarely last. "
     "Friends often remark on how well they work as a team, and over the years the Ox and the "
     "Rooster grow into a sturdy, faithful and genuinely happy couple who can rely on each other "
     "completely.",
     "On the compatibility scale of one to ten, Ox and Rooster score a superb nine."},
    {Dog,
     "The Ox and the Dog share core values: loyalty, integrity and a strong sense of duty. Both "
     "take commitments seriously and expect the same from the people they love, so trust comes "
     "fairly naturally. The Dog's idealism and protective nature sit well with the Ox's quiet "
     "strength, and together they can create a secure, principled home. Differences show up in "
     "temperament. The Dog tends to worry and needs reassurance, while the Ox, being "
     "undemonstrative, may not notice when the Dog feels uneasy. The Ox can also be set in its "
     "ways, and the Dog may find it hard to move it when a change is needed. Should the Ox put "
     "its affection into words more often, and the Dog learn to trust that silence does not mean "
     "distance, they enjoy a comfortable, honest and reliable life together. Shared causes, "
     "whether a family, a community project or a cherished tradition, give these two a common "
     "purpose that binds them even more closely.",
     "On the compatibility scale of one to ten, Ox and Dog have a sound score of seven."},
    {Boar,
     "The Ox and the Boar get on well, united by a love of a comfortable home and a fondness for "
     "simple pleasures. The Boar's warmth, generosity and cheerful nature brighten the Ox's "
     "serious world, while the Ox gives the Boar a sense of stability and protection. Both are "
     "honest and dislike scheming, so there is little suspicion between them. The Boar enjoys "
     "socialising and indulgence a little more than the Ox does, and the Ox may think the Boar "
     "spends too freely or takes life too lightly. The Boar, in turn, might wish the Ox would "
     "relax and enjoy the moment. These are modest gaps, easily bridged with good humour and the "
     "occasional shared treat, a long meal or a lazy weekend that suits them both. Their "
     "relationship tends to be kind, loyal and free of drama, a gentle partnership that grows "
     "stronger with the years.",
     "On the compatibility scale of one to ten, Ox and Boar reach a solid seven."},
}};

}  // namespace zodiac::content::pairs
