#pragma once

#include "engine/content/pairs/pair_prose.h"
#include "engine/content/pairs/dog.h"  // the Rat and Dog pair reads the same from both sides

namespace zodiac::content::pairs {

inline constexpr PairRow kRat = {{
    {Rat,
     "Two Rats recognise each other at once: the same quick eyes, the same restless curiosity, "
     "the same habit of weighing the angles before anyone else has noticed there is a problem. In "
     "love this makes for a lively, talkative partnership in which neither ever has to explain a "
     "clever idea twice. They share a respect for money and security, so their household tends to "
     "be well stocked and the savings quietly growing. Friends find them a formidable double act "
     "at dinner parties, trading stories and schemes late into the night. The one danger is that "
     "both are prone to worry, and two anxious minds can feed each other's fears instead of "
     "calming them; when one Rat frets over bills or rivals, the other should resist joining in. "
     "As long as they keep their sharp tongues for the outside world and give each other generous "
     "credit, their life together is warm, shrewd and deeply companionable.",
     "On the compatibility scale of one to ten, two Rats have a near perfect score of nine."},
    {Ox,
     "The Rat brings sparkle, ideas and social ease to this pairing, while the Ox offers the kind "
     "of steady ground that a busy Rat secretly craves. In daily life they fit together neatly: "
     "the Rat spots the opening and the Ox has the patience to carry the plan through, which can "
     "make them an effective team in business or in running a home. Trouble appears around pace "
     "and temperament. The Ox likes routine and quiet evenings, and may find the Rat's constant "
     "plans and chatter a little tiring; the Rat, in turn, can feel that the Ox is slow to praise "
     "and slower to change its mind. Neither is careless with money, which removes one common "
     "source of quarrels. If the Rat learns to value the Ox's reliability rather than tease it, "
     "and the Ox now and then agrees to an unplanned outing, the relationship settles into "
     "something comfortable and dependable.",
     "On the compatibility scale of one to ten, Rat and Ox reach a comfortable six."},
    {Tiger,
     "A Rat and a Tiger are drawn to each other's confidence, but they rarely want the same "
     "things for long. The Rat plans carefully, puts money aside and likes to know where the next "
     "move leads; the Tiger acts on impulse, spends freely and bristles at anything that feels "
     "like being managed. In romance the early excitement can be real, yet the Rat soon worries "
     "about the Tiger's gambles and the Tiger grows impatient with the Rat's caution. At work the "
     "Tiger wants to lead from the front while the Rat prefers to steer quietly from behind, and "
     "each may suspect the other of undermining them. There is some hope here: the Rat's cunning "
     "can help the Tiger aim its courage, and the Tiger can teach the Rat to trust a bold leap "
     "once in a while. Still, it takes frank talk and plenty of patience to keep this pair from "
     "wearing each other down.",
     "On the compatibility scale of one to ten, Rat and Tiger have a difficult score of four."},
    {Rabbit,
     "The Rat and the Rabbit make an easygoing couple, both fond of comfort, good company and a "
     "home that feels safe. The Rabbit's tact and gentle manners soften the Rat's sharper edges, "
     "and the Rat's energy and resourcefulness keep the Rabbit's life interesting without making "
     "it frightening. Socially they shine together, the Rat working the room while the Rabbit "
     "charms people one at a time. Friction tends to come from different appetites for risk: the "
     "Rat enjoys a scheme and a bit of competition, whereas the Rabbit would rather avoid "
     "conflict altogether and may retreat when the Rat becomes pushy. The Rat also needs to "
     "remember that the Rabbit is more sensitive than it looks, so careless teasing can leave a "
     "lasting bruise. Given some gentleness from the Rat and some extra boldness from the Rabbit, "
     "the pair builds a pleasant, cultured life with few storms.",
     "On the compatibility scale of one to ten, Rat and Rabbit enjoy a pleasant score of seven."},
    {Dragon,
     "Few pairings feel as natural as the Rat with the Dragon. The Dragon has the vision, the "
     "charisma and the appetite for big ventures, and the Rat has exactly the practical "
     "intelligence needed to turn those grand plans into results. Each admires what the other "
     "does best: the Rat is dazzled by the Dragon's fearlessness, and the Dragon quickly learns "
     "that the Rat's advice is worth listening to. In love there is passion as well as loyalty, "
     "and the Rat feels protected by the Dragon's strength while the Dragon enjoys being "
     "understood rather than merely worshipped. At home and at work they divide roles without "
     "fuss, one setting the direction and the other managing the details and the budget. Even "
     "their arguments tend to be brief and clear the air, ending in laughter more often than in "
     "sulking. Together they make a confident, successful and affectionate partnership that "
     "others often envy.",
     "On the compatibility scale of one to ten, Rat and Dragon score a perfect ten."},
    {Snake,
     "A Rat and a Snake find a good deal to respect in each other, because both are clever, "
     "observant and quietly ambitious. The Snake's calm wisdom and sense of style appeal to the "
     "Rat, and the Snake enjoys the Rat's wit and the way it can read a situation in seconds. "
     "Money and comfort matter to both, so they rarely fight over how to spend an evening or a "
     "salary. The rub is that each keeps some secrets, and neither fully trusts what it cannot "
     "see; the Rat may feel shut out by the Snake's reserve, while the Snake can grow possessive "
     "when the Rat spends too much time with its wide circle of friends. Open conversation goes a "
     "long way here, even if neither finds it natural. Once they begin sharing plans instead of "
     "guarding them, the Rat and the Snake become a thoughtful, stylish couple with a strong "
     "instinct for getting ahead, and their evenings together are full of sharp observations "
     "about everyone else.",
     "On the compatibility scale of one to ten, Rat and Snake have a good score of seven."},
    {Horse,
     "The Rat and the Horse sit on opposite sides of the zodiac wheel, and in practice they often "
     "feel like it. The Horse lives for freedom, movement and the thrill of the moment, while the "
     "Rat wants security, a clear plan and a little something stored away for later. What the "
     "Horse sees as spontaneity the Rat sees as recklessness, and what the Rat calls prudence the "
     "Horse calls fussing. Both are outspoken, so disagreements can turn sharp and personal "
     "quickly, and neither is good at backing down gracefully. Romance may start with a spark of "
     "attraction, yet day-to-day living tends to expose their different rhythms, especially over "
     "money and commitments. Friendship is more manageable when kept light and occasional. If "
     "they do choose each other, the Rat must loosen its grip and the Horse must learn to stay "
     "put long enough to keep its promises.",
     "On the compatibility scale of one to ten, Rat and Horse have a poor score of three."},
    {Sheep,
     "The Rat is practical and brisk, the Sheep dreamy and tender, and while that contrast can be "
     "charming at first, it creates steady strain over time. The Sheep needs reassurance, "
     "patience and a good deal of emotional attention, while the Rat tends to show love through "
     "planning, providing and problem solving rather than long heart-to-heart talks. The Rat may "
     "come to see the Sheep as indecisive or extravagant, and the Sheep may feel that the Rat is "
     "cold or forever counting the cost. On the positive side, the Sheep's artistic eye and "
     "kindness can soften the Rat's world, and the Rat can give the Sheep a sense of security it "
     "values. The partnership works only when the Rat slows down enough to listen and the Sheep "
     "learns to say plainly what it needs instead of waiting to be understood. Friends may see "
     "them as an odd couple, and they will have to prove, mostly to themselves, that it can last.",
     "On the compatibility scale of one to ten, Rat and Sheep manage only four."},
    {Monkey,
     "Put a Rat and a Monkey in the same room and the conversation never runs dry. Both are "
     "quick, inventive and fond of a clever plan, and they spark ideas off each other with real "
     "delight. The Monkey's playful daring thrills the Rat, and the Rat's shrewd judgement keeps "
     "the Monkey's wilder schemes from falling apart. In love they are lively, affectionate and "
     "endlessly entertaining to each other, with a shared sense of humour that carries them "
     "through difficult patches. Their working partnership can be remarkably productive, since "
     "both are resourceful and neither likes to waste time. They understand each other's tricks "
     "too well to fall for them, which oddly builds trust, and a playful rivalry keeps each of "
     "them sharp. With mutual admiration, plenty of laughter and an easy sense of teamwork, this "
     "is one of the happiest and most successful unions either sign can find.",
     "On the compatibility scale of one to ten, Rat and Monkey have a perfect score of ten."},
    {Rooster,
     "The Rat and the Rooster can get along comfortably, though they tend to admire each other "
     "from slightly different angles. The Rooster is meticulous, proud of its standards and "
     "honest to the point of bluntness; the Rat is flexible, persuasive and happy to bend a rule "
     "if it gets results. At work this can be useful, because the Rooster's order and the Rat's "
     "ingenuity together cover a lot of ground. At home both like things well organised and "
     "neither is wasteful, which keeps the peace. Irritation arises when the Rooster criticises "
     "or lectures, since the Rat does not enjoy being corrected, and when the Rat's opportunism "
     "strikes the Rooster as slippery. Some tolerance for each other's style and a shared sense "
     "of humour keep the relationship friendly and reasonably smooth. In romance the Rat enjoys "
     "the Rooster's flair and the Rooster is flattered by the Rat's attention, so long as the "
     "compliments are sincere.",
     "On the compatibility scale of one to ten, Rat and Rooster have a fair score of six."},
    {Dog, kDog[Index(Rat)].description, kDog[Index(Rat)].scoreSentence},
    {Boar,
     "The Rat and the Boar form a warm and generous bond. The Boar is sincere, easygoing and "
     "open-hearted, and it gives the Rat the kind of uncomplicated affection that lets a watchful "
     "Rat finally relax. In return the Rat brings sharp judgement and a talent for making plans "
     "work, which helps the trusting Boar avoid being taken advantage of. They both enjoy good "
     "food, good company and a comfortable home, so their social life is full and their evenings "
     "cosy. The Rat should take care never to exploit the Boar's good nature, because once the "
     "Boar feels deceived its trust is slow to return. The Boar, for its part, may need to watch "
     "its spending, as the Rat values a healthy savings account. With honesty as the ground rule, "
     "the two of them enjoy a rich, loving and mutually supportive life, and friends tend to "
     "gather at their table because it is always generous and full of laughter.",
     "On the compatibility scale of one to ten, Rat and Boar score a healthy eight."},
}};

}  // namespace zodiac::content::pairs
