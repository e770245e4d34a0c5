#pragma once

#include "engine/content/pairs/pair_prose.h"

namespace zodiac::content::pairs {

inline constexpr PairRow kDragon = {{
    {Rat,
     "A Dragon who finds a Rat has found the rare partner who can keep pace with its ambitions "
     "and still have a plan ready when the fireworks fade. The Dragon supplies vision, nerve and "
     "a magnetic presence; the Rat brings a sharp eye for opportunity, careful handling of money "
     "and a knack for reading people before they speak. In love the pairing feels charged from "
     "the start, because the Rat genuinely admires the Dragon's boldness and the Dragon, for "
     "once, feels understood rather than merely applauded. At work they make a formidable team, "
     "the Dragon opening doors and the Rat quietly making sure the room behind them is worth "
     "entering. Home life tends to be lively, well stocked and full of shared projects. Even "
     "their arguments are brief, since both would rather solve a problem than nurse it. If the "
     "Dragon remembers to ask the Rat's opinion before announcing a grand decision, there is "
     "almost nothing these two cannot build together.",
     "On the compatibility scale of one to ten, Dragon and Rat score a perfect ten."},
    {Ox,
     "The Ox moves at its own deliberate speed, and a Dragon used to sweeping everyone along may "
     "find that oddly restful once the first impatience passes. Both signs are strong-willed and "
     "hard-working, so respect comes easily; the Dragon admires the Ox's endurance, while the Ox "
     "quietly enjoys the Dragon's warmth and daring. Friction appears when the Dragon wants to "
     "leap and the Ox insists on checking the ground first, and neither likes being told what to "
     "do. In a shared household the Ox keeps the foundations solid and the bills paid, leaving "
     "the Dragon free to chase bigger goals and bring home the stories. Romance is steady rather "
     "than dizzying, with affection shown through loyalty more than grand gestures. As colleagues "
     "they cover each other's blind spots well. A little patience from the Dragon and a bit of "
     "flexibility from the Ox keep this comfortable partnership on an even keel.",
     "On the compatibility scale of one to ten, Dragon and Ox reach a comfortable seven."},
    {Tiger,
     "Put a Dragon and a Tiger in the same room and the energy rises at once, since both are "
     "confident, brave and used to being noticed. There is genuine admiration here: the Dragon "
     "likes the Tiger's courage and its readiness to fight for a cause, and the Tiger finds the "
     "Dragon's self-belief exciting rather than threatening, at least most of the time. The rub "
     "is leadership. Each assumes the role of captain, and small decisions about holidays, money "
     "or whose friends to see can turn into contests of pride. When they point their strength at "
     "a common target, such as a business venture or a shared adventure, they are bold and "
     "remarkably effective. At home they need separate territories and the habit of taking turns. "
     "Romance is passionate, occasionally stormy, and rarely boring. With a sense of humour about "
     "their twin egos, this pairing stays comfortable and lively.",
     "On the compatibility scale of one to ten, Dragon and Tiger have a fair score of six."},
    {Rabbit,
     "The Rabbit's calm good taste and the Dragon's blazing enthusiasm make an appealing "
     "contrast, and each tends to soften the other's extremes. A Dragon often finds that the "
     "Rabbit's gentle diplomacy smooths paths it would otherwise bulldoze, while the Rabbit "
     "enjoys the sense of protection and adventure the Dragon provides. Their home is likely to "
     "be both elegant and busy, with the Rabbit shaping the comfort and the Dragon filling the "
     "calendar. Trouble comes when the Dragon's volume rises; the Rabbit dislikes scenes and may "
     "withdraw rather than argue, leaving problems unspoken. In friendship they are a pleasing "
     "duo, one bringing ideas and the other tact. Professionally the Rabbit handles clients and "
     "detail while the Dragon drives the project forward. If the Dragon learns to lower its voice "
     "and the Rabbit learns to state its needs plainly, this relationship settles into easy, "
     "affectionate companionship.",
     "On the compatibility scale of one to ten, Dragon and Rabbit score a pleasant seven."},
    {Dragon,
     "Two Dragons together produce an astonishing amount of heat and light, and in this case the "
     "blaze mostly warms rather than burns. They share the same appetite for life, the same "
     "optimism and the same refusal to settle for the ordinary, which means neither ever has to "
     "apologise for dreaming big. Romance between them is vivid and generous, full of grand plans "
     "and gestures that would exhaust any other sign. At work they can launch remarkable "
     "ventures, especially when each has a separate kingdom to rule. The obvious risk is that "
     "both want the final word, yet mutual respect runs so deep that quarrels tend to end in "
     "laughter or a new joint scheme. A home shared by two Dragons is loud, welcoming and "
     "constantly full of guests. As long as they remember to praise each other as freely as they "
     "praise themselves, this match stays strong and splendid.",
     "On the compatibility scale of one to ten, two Dragons have an excellent score of nine."},
    {Snake,
     "The Snake's quiet intelligence has a way of fascinating a Dragon, who is used to admirers "
     "but rarely meets someone so hard to read. This is a pairing of fire and depth: the Dragon "
     "brings charisma, courage and public energy, and the Snake offers insight, strategy and a "
     "cool head in a crisis. Together they look impressive, and they often know it. In love there "
     "is strong attraction and a sense of shared elegance; the Dragon enjoys the Snake's refined "
     "tastes and the Snake enjoys being shown off. The Snake can be possessive and the Dragon "
     "loves an audience, so jealousy needs handling with care. At work the Dragon fronts the "
     "enterprise while the Snake plans the moves several steps ahead. Home life is comfortable "
     "and stylish. When the Dragon listens to the Snake's counsel instead of charging ahead, this "
     "becomes a warm and deeply complementary bond.",
     "On the compatibility scale of one to ten, Dragon and Snake score a strong eight."},
    {Horse,
     "A Dragon and a Horse share a love of movement, freedom and big horizons, so this "
     "partnership rarely feels cramped. The Horse's quick wit and restless charm delight the "
     "Dragon, and the Dragon's confidence gives the Horse a sense that any journey is possible. "
     "They travel well together, socialise well together and tend to agree that life is for "
     "living rather than worrying. Romance is spirited and fun, built on shared adventures more "
     "than quiet evenings. Both can be headstrong, and the Horse bristles if the Dragon tries to "
     "steer every decision, while the Dragon may feel slighted when the Horse gallops off on its "
     "own plans. Giving each other space is the secret, and luckily both understand the need for "
     "it. In business they are energetic and persuasive. At home, an open door and a packed "
     "suitcase by the stairs suit them perfectly.",
     "On the compatibility scale of one to ten, Dragon and Horse reach a lively eight."},
    {Sheep,
     "A Dragon often feels unexpectedly tender towards the Sheep, whose kindness, artistic streak "
     "and soft manners bring out its protective side. The Sheep, in turn, appreciates the "
     "Dragon's strength and the sense of security it offers, and likes having a confident partner "
     "to lean on. Their home can be very pleasant, with the Sheep creating beauty and calm while "
     "the Dragon provides drive and resources. The snag is temperament. The Dragon is blunt and "
     "can be careless with feelings, and the Sheep is sensitive enough to brood over a "
     "thoughtless remark for days. Friends see them as a warm, good-natured couple. In a working "
     "setting the Sheep contributes creativity and the Dragon sells the result. Occasional "
     "frustration arises when the Dragon wants decisions and the Sheep wants more time. Patience "
     "and a gentler tone from the Dragon keep things easy and affectionate.",
     "On the compatibility scale of one to ten, Dragon and Sheep have a good score of seven."},
    {Monkey,
     "Few combinations sparkle like a Dragon and a Monkey. The Monkey's inventive mind and "
     "playful cunning give the Dragon's grand ambitions a clever engine, and the Dragon's courage "
     "and charisma give the Monkey's schemes a stage worth performing on. They make each other "
     "laugh, they egg each other on, and they rarely get bored. In romance the chemistry is "
     "immediate and lasting, built on shared humour and mutual admiration. The Monkey knows "
     "exactly how to tease the Dragon out of a bad mood, and the Dragon is one of the few signs "
     "that can keep the restless Monkey interested for years. At work they are a formidable "
     "double act, brilliant at launching new ideas and turning them into success. Their home is "
     "bright, social and full of projects. Minor tiffs over who gets the credit pass quickly, and "
     "the bond underneath is about as strong as the zodiac allows.",
     "On the compatibility scale of one to ten, Dragon and Monkey achieve a flawless ten."},
    {Rooster,
     "The Rooster's precision and pride fit surprisingly well with the Dragon's bold vision. Both "
     "signs like to be admired and both take care over how they present themselves, so as a "
     "couple they tend to turn heads. The Dragon dreams up the plan; the Rooster checks every "
     "figure, organises the details and makes sure nothing embarrassing slips through. This "
     "division of labour works beautifully at home and at work alike. In love the Rooster offers "
     "loyalty and honesty, sometimes too much honesty, while the Dragon offers warmth and "
     "enthusiasm that loosens the Rooster's tight schedule. Occasional clashes happen when the "
     "Rooster's critiques sting the Dragon's pride, but the Dragon usually recognises that the "
     "advice is sound. Their social life is busy and polished. With mutual respect as its "
     "backbone, this pairing is strong, practical and genuinely fond.",
     "On the compatibility scale of one to ten, Dragon and Rooster have a near perfect score of "
     "nine."},
    {Dog,
     "The Dragon and the Dog look at the world through very different lenses, and the gap is hard "
     "to bridge. The Dragon acts on instinct and ambition, loves display and trusts its own luck; "
     "the Dog is cautious, principled and suspicious of anything that looks like showing off. "
     "Where the Dragon sees opportunity, the Dog sees risk, and where the Dog sees a moral "
     "question, the Dragon may see only an obstacle. Conversations can slide into lectures on one "
     "side and impatience on the other. In love, the Dog's worry and the Dragon's pride tend to "
     "wound each other more than either intends. Working together is possible on a tightly "
     "defined task, though they rarely agree on methods. Shared living needs firm ground rules "
     "and a great deal of goodwill. Both are honest at heart, which is worth something, but this "
     "match asks far more effort than most couples are willing to give.",
     "On the compatibility scale of one to ten, Dragon and Dog manage only a lowly two."},
    {Boar,
     "Easygoing and generous, the Boar makes a warm companion for a Dragon, and the affection "
     "between them usually feels natural. The Boar admires the Dragon's drive without feeling any "
     "need to compete, and the Dragon is touched by the Boar's sincerity and its complete lack of "
     "pretence. They share a love of good food, good company and celebration, so their home often "
     "becomes the favourite gathering place among friends. In romance the Boar's devotion gives "
     "the Dragon a safe harbour, while the Dragon brings excitement and direction into the Boar's "
     "life. The main risk is that the Dragon takes the Boar's good nature for granted, or that "
     "the Boar's indulgent habits frustrate the Dragon's plans. At work the Boar is a reliable, "
     "hard-working partner who will carry the Dragon's big ideas through to the end. Kindness "
     "flows both ways here, and the match is strong.",
     "On the compatibility scale of one to ten, Dragon and Boar score a warm eight."},
}};

}  // namespace zodiac::content::pairs
