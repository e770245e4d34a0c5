#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kMonkey = {{
    {Rat,
     "When a Monkey falls for a Rat, the sparks are mostly those of recognition: here at last is "
     "someone who thinks as fast as they do and enjoys a clever plan for its own sake. The Rat "
     "brings sharp instincts about money and people, while the Monkey supplies invention, nerve "
     "and a steady supply of jokes that keep the Rat from fretting. In love they are affectionate "
     "conspirators, forever whispering about the next project or holiday. As friends they can "
     "talk until the small hours without running dry. At work the pairing is formidable, since "
     "the Rat spots the opening and the Monkey finds the ingenious way through it. Home life "
     "tends to be busy, a little cluttered and full of laughter. The only caution is that both "
     "enjoy bending the truth for effect, so they do best when they agree early that tricks are "
     "for the outside world, never for each other.",
     "On the compatibility scale of one to ten, Monkey and Rat score a perfect ten."},
    {Ox,
     "The Monkey lives by improvisation, and the Ox lives by routine, so this pairing starts with "
     "a basic difference in tempo. To the Monkey, the Ox can seem stubborn and slow to laugh; to "
     "the Ox, the Monkey looks restless and a touch unreliable, always chasing the newest idea "
     "before finishing the last. Yet there is something to build on. The Ox offers a calm, "
     "dependable base that a scattered Monkey secretly needs, and the Monkey can coax the Ox out "
     "of its furrow with humour and fresh perspectives. In romance the friction tends to show "
     "over plans: the Ox wants commitments kept, while the Monkey prefers to keep options open. "
     "At work the Ox does the heavy lifting and may resent the Monkey's shortcuts. Progress comes "
     "when the Monkey shows up on time and the Ox learns that a change of plan is not a betrayal.",
     "On the compatibility scale of one to ten, Monkey and Ox have a difficult score of four."},
    {Tiger,
     "A Monkey and a Tiger usually notice each other quickly, and not always kindly. The Tiger "
     "charges at life with bold, open feeling, while the Monkey prefers to circle, tease and "
     "outwit. What the Monkey considers playful needling, the Tiger takes as a challenge to its "
     "dignity, and the Tiger's fierce pride strikes the Monkey as an irresistible target. Both "
     "want to lead, and neither enjoys being managed. Romance between them can flare brightly at "
     "first, then turn into a contest over who gets the final word. Friendship works best at a "
     "distance, in a wider group where their rivalry reads as entertainment. In a workplace they "
     "compete rather than cooperate. None of this makes either of them a bad person; they simply "
     "pull in directions that rarely meet, and any peace asks the Monkey to drop the mischief and "
     "the Tiger to let small slights go.",
     "On the compatibility scale of one to ten, Monkey and Tiger have a poor score of two."},
    {Rabbit,
     "The Monkey enjoys noise, surprise and a good prank; the Rabbit treasures quiet evenings, "
     "good manners and a home where nothing jumps out from behind the door. That contrast can be "
     "charming for a while, as the Rabbit is amused by the Monkey's stories and the Monkey "
     "admires the Rabbit's taste and tact. Over time, though, the Rabbit may feel unsettled by "
     "the Monkey's constant schemes and its fondness for stretching the facts. The Monkey, for "
     "its part, can grow bored with the Rabbit's caution and its dislike of risk. In business the "
     "Rabbit is prudent and diplomatic, which can steady the Monkey's riskier ideas if the Monkey "
     "is willing to listen. Love here needs gentleness from the Monkey and a little daring from "
     "the Rabbit. Without that, the Rabbit retreats and the Monkey wanders off in search of "
     "livelier company.",
     "On the compatibility scale of one to ten, Monkey and Rabbit manage only a four."},
    {Dragon,
     "Few combinations look as natural as a Monkey beside a Dragon. The Dragon arrives with big "
     "visions and the confidence to announce them; the Monkey has the quick wit and practical "
     "cunning to make those visions actually work. Each admires exactly what the other does best, "
     "and neither feels overshadowed, since the Dragon is happy on stage and the Monkey enjoys "
     "pulling strings behind it. In love they are playful, generous and rarely bored, trading "
     "ideas as readily as compliments. Friends find them magnetic as a couple, the sort who fill "
     "a room with energy. Professionally they make a superb team, with the Dragon leading and the "
     "Monkey negotiating. At home there may be more grand plans than finished chores, but "
     "laughter covers a lot. When the Dragon's temper flares, the Monkey knows how to deflate it "
     "with a joke rather than a fight.",
     "On the compatibility scale of one to ten, Monkey and Dragon sit at the very top with a ten."},
    {Snake,
     "Two clever minds meet when a Monkey and a Snake come together, but cleverness alone does "
     "not make a comfortable partnership. The Snake thinks deeply and keeps its own counsel; the "
     "Monkey thinks fast and enjoys showing off the results. Each can see through the other's "
     "little manoeuvres, which tends to breed watchfulness rather than trust. The Snake may find "
     "the Monkey flippant, and the Monkey may find the Snake secretive or possessive. In romance "
     "there is genuine attraction, even fascination, yet jealousy and mind games can creep in if "
     "neither speaks plainly. Working side by side they can be surprisingly effective "
     "strategists, provided roles are clear and credit is shared. This match improves a great "
     "deal when the Monkey slows down enough to take the Snake seriously and the Snake lets go of "
     "the need to test every promise.",
     "On the compatibility scale of one to ten, Monkey and Snake come in below the middle at "
     "four."},
    {Horse,
     "On a good day a Monkey and a Horse look like ideal companions: both are sociable, energetic "
     "and fond of travel, parties and new experiences. The trouble is that they want freedom in "
     "different ways. The Horse is frank and impulsive and bolts when it feels fenced in, whereas "
     "the Monkey prefers to stay in control through clever planning and a few well-placed fibs. "
     "The Horse may eventually feel manipulated, and the Monkey may find the Horse too blunt and "
     "too quick to change direction without consulting anyone. Romance is lively but can lack "
     "staying power. As friends they have great fun, as long as nobody expects the other to be "
     "reliable about dates. At work the Horse brings drive and the Monkey brings ideas, though "
     "both drift from routine tasks. Honesty from the Monkey and patience from the Horse turn "
     "this into a decent bond.",
     "On the compatibility scale of one to ten, Monkey and Horse have an average score of five."},
    {Sheep,
     "The Sheep is tender, artistic and in need of security, and the Monkey is bright, restless "
     "and sometimes careless with other people's feelings. At first the Monkey delights the Sheep "
     "with wit and inventive treats, and the Sheep charms the Monkey with warmth and a creative "
     "eye. The strain appears when the Sheep wants reassurance and the Monkey wants adventure. A "
     "Sheep who worries can read the Monkey's jokes as mockery, while the Monkey may lose "
     "patience with moods it does not understand. Domestic life tends to be pleasant but "
     "unbalanced, with the Sheep making the nest and the Monkey drifting in and out of it. In "
     "creative work, though, they can be lovely collaborators, the Sheep supplying imagination "
     "and the Monkey turning it into something that sells. Kindness and consistency from the "
     "Monkey decide whether this lasts.",
     "On the compatibility scale of one to ten, Monkey and Sheep land right in the middle with a "
     "five."},
    {Monkey,
     "Put two Monkeys together and the result is a festival of ideas. They understand each "
     "other's humour instantly, see through each other's tricks with a grin, and never need to "
     "explain why a sudden change of plan sounds like fun. In love this is a playful, flirtatious "
     "and very talkative union, where boredom hardly gets a foothold. As friends they are "
     "partners in mischief, forever inventing games, ventures and private jokes. At work they "
     "brainstorm brilliantly and can sell almost anything. The few dangers come from sameness: "
     "both want the spotlight, both dislike dull tasks, and neither is eager to pay the bills on "
     "time. A little rivalry can sour into point-scoring if one Monkey feels outshone. Dividing "
     "the boring jobs fairly and celebrating each other's wins keeps this match warm, witty and "
     "remarkably durable.",
     "On the compatibility scale of one to ten, two Monkeys have a near perfect score of nine."},
    {Rooster,
     "The Rooster likes order, punctuality and things done properly, while the Monkey likes "
     "shortcuts, surprises and finding out what happens if the rules are ignored. Both are proud "
     "and both enjoy an audience, which makes for entertaining company and frequent sparring. The "
     "Monkey can find the Rooster fussy and overly critical, especially when its clever "
     "improvisations are picked apart in public. The Rooster, meanwhile, may regard the Monkey as "
     "charming but unserious, a performer who never quite finishes the job. In a relationship the "
     "early attraction often rests on wit, but daily life brings squabbles over money, tidiness "
     "and honesty. At work the Rooster's precision could polish the Monkey's ideas beautifully if "
     "ego did not get in the way. Mutual respect, and a habit of praising before criticising, "
     "gives this difficult pair its best chance.",
     "On the compatibility scale of one to ten, Monkey and Rooster scrape together a modest four."},
    {Dog,
     "The Dog is loyal, principled and prone to worry; the Monkey is breezy, inventive and hard "
     "to pin down. It may sound like an odd pairing, but it works remarkably well. The Monkey's "
     "humour lifts the Dog out of its anxieties, and the Dog's steady faithfulness gives the "
     "Monkey something it rarely finds: a person it does not feel the need to outwit. In love the "
     "Dog offers devotion and the Monkey offers delight, and both tend to feel lucky. Friendship "
     "between them is honest and affectionate, with the Dog acting as a gentle conscience when "
     "the Monkey's schemes go too far. At work the Dog's sense of fairness and the Monkey's "
     "cleverness make a trustworthy and effective team. The one rub comes if the Monkey bends the "
     "truth; the Dog forgives slowly, so straight dealing keeps this warm bond thriving.",
     "On the compatibility scale of one to ten, Monkey and Dog score a healthy eight."},
    {Boar,
     "A Monkey usually enjoys the company of a Boar, who is generous, good-humoured and happy to "
     "laugh at the Monkey's jokes without keeping score. The Boar loves food, comfort and "
     "friendship; the Monkey loves variety and wit, and together they throw excellent dinners and "
     "plan ambitious weekends. In romance the match is easy and affectionate, with the Boar "
     "providing warmth and the Monkey providing sparkle. The sore point is trust: the Boar is "
     "open-hearted and can be naive, and a Monkey who takes advantage, even in small ways, will "
     "eventually hurt a very loyal partner. At work the Boar is diligent and honest, while the "
     "Monkey is quicker and more tactical, so they cover each other's blind spots well. When the "
     "Monkey plays fair, the Boar's good nature makes this relationship relaxed, cheerful and "
     "comfortable for years.",
     "On the compatibility scale of one to ten, Monkey and Boar reach a comfortable seven."},
}};

}  // namespace zodiac::content::pairs
