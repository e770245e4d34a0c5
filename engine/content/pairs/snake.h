#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kSnake = {{
    {Rat,
     "A Snake and a Rat recognise each other as clever operators, and there is a quiet respect "
     "between them from the start. The Snake values the Rat's resourcefulness and quick social "
     "sense, while the Rat is intrigued by the Snake's composure and the sense that it always "
     "knows more than it says. Both are careful with money and fond of comfort, which makes "
     "setting up a home surprisingly harmonious. The Rat is chattier and more restless, though, "
     "and the Snake may find its constant schemes a little tiring. Trust can wobble too, because "
     "each suspects the other of hidden motives. In friendship they enjoy swapping observations "
     "about everyone else. As a working pair they are shrewd and efficient, the Rat finding "
     "openings and the Snake judging which ones are worth the risk. Openness about feelings keeps "
     "this pairing easy and mutually rewarding.",
     "On the compatibility scale of one to ten, Snake and Rat reach an agreeable seven."},
    {Ox,
     "The Ox gives a Snake something it values enormously: steadiness that never wavers. The "
     "Snake brings subtlety, strategy and refined taste, the Ox brings endurance, patience and an "
     "honest work ethic, and together they form one of the most dependable partnerships around. "
     "Neither sign enjoys drama, so their home tends to be calm, orderly and quietly comfortable. "
     "In love the bond deepens slowly and then holds fast; the Snake trusts the Ox's loyalty, and "
     "the Ox admires the Snake's wisdom and poise. Professionally they complement each other "
     "well, the Snake seeing where to go and the Ox making sure they get there. The Ox can be "
     "stubborn and the Snake can be secretive, yet both are private enough to respect each "
     "other's silences. Friends often envy the easy understanding these two share, built on few "
     "words and a great deal of mutual trust.",
     "On the compatibility scale of one to ten, Snake and Ox have a superb score of nine."},
    {Tiger,
     "The Snake and the Tiger approach life from opposite ends, and understanding each other "
     "takes real work. The Snake thinks before it moves, keeps its counsel and prefers to win "
     "quietly; the Tiger acts first, says what it thinks and loves a visible fight. To the Snake, "
     "the Tiger can seem reckless and loud, and to the Tiger, the Snake can seem cold, "
     "calculating or even untrustworthy. Romance may start with curiosity but often stalls on "
     "suspicion, since the Snake wants certainty and the Tiger wants freedom. At work they "
     "disagree about pace and about risk. Domestic life is tense when one wants peace and the "
     "other wants activity. There are things each could learn, the Tiger some patience and the "
     "Snake some spontaneity, but the lessons rarely feel welcome. Friendship at a comfortable "
     "distance suits these signs better than a close daily partnership.",
     "On the compatibility scale of one to ten, Snake and Tiger have a poor score of three."},
    {Rabbit,
     "A Snake and a Rabbit share a liking for refinement, quiet evenings and tasteful "
     "surroundings, so their life together tends to be gracious. The Rabbit's gentle, considerate "
     "nature puts the Snake at ease, and the Snake's calm intelligence makes the cautious Rabbit "
     "feel well guided. Both avoid crude confrontation, which keeps their home peaceful, though "
     "it can also mean irritations are buried rather than discussed. The Snake can become "
     "possessive, and the Rabbit, who values its own circle of friends, may feel hemmed in. Their "
     "friendship is pleasant and low in drama, full of shared books, films and thoughtful gossip. "
     "At work they are tactful and careful, good at negotiations and detail, though neither is "
     "eager to take bold risks. If the Snake loosens its grip a little and the Rabbit speaks up "
     "when something bothers it, the pairing stays comfortable and kind.",
     "On the compatibility scale of one to ten, Snake and Rabbit score a gentle seven."},
    {Dragon,
     "A Snake often sees in the Dragon the bold public force it sometimes lacks, and the "
     "attraction runs both ways. The Snake offers judgement, patience and a flair for strategy, "
     "and the Dragon supplies courage, charisma and the energy to act. Together they can be a "
     "glamorous and surprisingly effective couple, admired by friends and feared by rivals. In "
     "love the Snake enjoys the Dragon's generosity and warmth, while the Dragon values the "
     "Snake's insight and elegance. Friction arises when the Dragon rushes ahead without "
     "consulting anyone, or when the Snake's private nature reads as secrecy to a Dragon who "
     "likes everything out in the open. The Snake must also resist jealousy when the Dragon basks "
     "in attention. At work the Snake is the adviser behind the throne, and a very good one. Home "
     "life is stylish and warm, and the match is strong.",
     "On the compatibility scale of one to ten, Snake and Dragon score a healthy eight."},
    {Snake,
     "Two Snakes understand each other almost without speaking, which is both the charm and the "
     "challenge of the pairing. They share a taste for privacy, culture and fine things, and both "
     "prefer to think carefully before acting. Their home is likely to be quiet, beautiful and "
     "well run, with long conversations in place of noise. In love there is deep sympathy, since "
     "each grasps the other's need for reflection and for a partner who does not pry. Because "
     "both can be secretive and jealous, however, small doubts may grow if left unspoken, and two "
     "silent Snakes can circle a problem for weeks. At work they make a shrewd team, patient, "
     "analytical and hard to outmanoeuvre. Socially they prefer a small, trusted circle to a "
     "crowd. Honesty about feelings is the key; with it, this pairing is close, elegant and "
     "richly rewarding.",
     "On the compatibility scale of one to ten, two Snakes reach a solid eight."},
    {Horse,
     "The Snake values stillness and careful planning, while the Horse lives for motion and "
     "spontaneity, so this couple often finds itself pulling in different directions. The Horse's "
     "cheerful restlessness can be refreshing at first, and the Snake may enjoy being coaxed out "
     "of its shell. Over time, though, the Snake wants commitment and predictability that the "
     "freedom-loving Horse finds confining. The Snake's watchful, possessive side clashes with "
     "the Horse's need to roam, and the Horse's blunt impulsiveness can unsettle the Snake's "
     "sense of order. In shared living, plans made on Monday may be dropped by Tuesday, which "
     "tests the Snake's patience. Professionally they can cooperate if roles are sharply divided. "
     "There is still attraction and interest here, but both must work consciously at trust and "
     "flexibility to keep the strain from wearing them down.",
     "On the compatibility scale of one to ten, Snake and Horse manage only four."},
    {Sheep,
     "There is a gentle harmony between the Snake and the Sheep, two signs that appreciate "
     "beauty, comfort and a peaceful atmosphere. The Sheep's artistic soul and warm heart soften "
     "the Snake's cool reserve, and the Snake's clear thinking gives the sometimes indecisive "
     "Sheep a reliable anchor. Their home tends to be tasteful and cosy, with both happy to spend "
     "evenings in rather than chasing crowds. Small frictions arise over money, since the Snake "
     "plans carefully and the Sheep can be generous to a fault, and over moods, because the Sheep "
     "needs reassurance that the reserved Snake does not always think to give. In friendship they "
     "share interests in music, art and good food. At work the Sheep brings creativity and the "
     "Snake brings structure. A few kind words from the Snake go a long way, and with them this "
     "partnership remains easy and affectionate.",
     "On the compatibility scale of one to ten, Snake and Sheep have an easy score of seven."},
    {Monkey,
     "A Snake and a Monkey are both clever, and that is precisely where the difficulty begins. "
     "Each is quick to spot the other's tricks, and neither entirely trusts a partner who is so "
     "good at reading people. The Monkey's mischief and constant chatter can grate on the Snake's "
     "need for calm, and the Snake's reticence can strike the Monkey as cold or calculating. "
     "There is real intellectual attraction, with lively debates and shared curiosity, yet "
     "competition tends to creep in, whether over ideas, status or simply who is right. In "
     "romance, suspicion is the biggest threat. At work they can succeed together if the goal is "
     "clear and credit is fairly shared. Home life needs open communication and some agreed "
     "privacy. This is a demanding match that can work, but only with conscious effort to trade "
     "rivalry for teamwork.",
     "On the compatibility scale of one to ten, Snake and Monkey have a modest score of four."},
    {Rooster,
     "The Rooster's diligence and the Snake's wisdom combine into a partnership of rare "
     "efficiency and warmth. Both signs prize order, good presentation and careful thinking, so "
     "they rarely clash over how things should be done. The Snake appreciates the Rooster's "
     "honesty and reliability, and the Rooster admires the Snake's calm judgement and the way it "
     "never wastes a word. At home they share chores fairly, keep finances in excellent shape and "
     "take pride in a well-kept space. Romance grows from mutual admiration into deep loyalty. "
     "Professionally they are superb, the Snake devising the strategy and the Rooster executing "
     "it to the last detail. The Rooster's outspokenness occasionally ruffles the private Snake, "
     "but the Snake's composure usually turns any spat into a useful discussion. Friends see them "
     "as a polished, harmonious couple, and rightly so.",
     "On the compatibility scale of one to ten, Snake and Rooster score a splendid nine."},
    {Dog,
     "Trust builds slowly between a Snake and a Dog, yet once it forms it proves remarkably "
     "solid. The Dog's honesty and sense of fairness reassure the Snake, who often doubts other "
     "people's motives, while the Snake's calm wisdom helps the anxious Dog feel that life is "
     "under control. They share a dislike of superficiality and a preference for a few loyal "
     "friends over many acquaintances. In love the Dog offers devotion and the Snake offers "
     "depth, a balance that tends to last. The Dog can be sharply critical when it senses "
     "something underhand, and the Snake's secretive habits may trigger exactly that reaction, so "
     "transparency matters. At work the Dog's integrity and the Snake's strategy complement each "
     "other well. Their home is loyal, thoughtful and well protected. This is a warm and mutually "
     "supportive match.",
     "On the compatibility scale of one to ten, Snake and Dog have a very good score of eight."},
    {Boar,
     "The Snake and the Boar often puzzle each other. The Boar is open-hearted, trusting and "
     "quick to share every thought, while the Snake is guarded, subtle and prefers to reveal "
     "itself slowly. To the Boar, the Snake may seem aloof or secretive; to the Snake, the Boar "
     "can appear naive, indulgent or careless with money and words. Romance can begin warmly, "
     "since the Boar's sincerity is genuinely appealing, but the Snake's need for control and the "
     "Boar's easygoing habits soon pull against each other. At home, disagreements over spending "
     "and socialising are common. In a workplace the Snake may grow impatient with the Boar's "
     "trusting nature, while the Boar resents feeling managed. Nothing here is impossible, and "
     "both signs are capable of kindness, yet a lasting bond needs frank conversation and steady "
     "patience on both sides.",
     "On the compatibility scale of one to ten, Snake and Boar have a below average score of "
     "four."},
}};

}  // namespace zodiac::content::pairs
