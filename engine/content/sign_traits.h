#pragma once

#include <array>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac::content {

// Each paragraph speaks to the reader born under the sign.
struct SignTraits {
    std::string_view positive;
    std::string_view negative;
};

inline constexpr std::array<SignTraits, kSignCount> kSignTraits = {{
    // Rat
    {"You are quick-witted, observant and resourceful, the kind of person who spots an opening "
     "long before anyone else has noticed the door. You have a natural charm that puts strangers "
     "at ease, and you can talk your way into almost any circle. Money tends to stay with you "
     "because you plan ahead, save sensibly and rarely waste effort on lost causes. You adapt "
     "quickly when circumstances change, and you treat setbacks as puzzles to solve rather than "
     "reasons to give up. Friends value your loyalty and your sharp sense of humour, and your "
     "family can always count on you to protect them. You are curious about everything and "
     "remember details others forget, which makes you an excellent adviser.",
     "You can be restless and anxious, forever calculating the next move instead of enjoying the "
     "present one. Your thrift sometimes turns into stinginess, and people may feel you measure "
     "friendship in terms of what it costs or brings. When you feel insecure you gossip, "
     "criticise or scheme behind the scenes, and your cleverness can slide into manipulation. You "
     "find it hard to trust others fully, so you keep secrets and hoard information. You may also "
     "scatter your energy over too many opportunities at once, leaving a trail of promising "
     "projects that never quite reach the finish line."},
    // Ox
    {"You are steady, patient and hard-working, and you finish what you start no matter how long "
     "it takes. People trust you because your word is solid: when you promise to help, you turn "
     "up, and you do the job properly. You do not chase fashions or quick rewards; instead you "
     "build your life brick by brick, and the results last. Your calm presence steadies others in "
     "a crisis, and your quiet confidence comes from real competence rather than show. You are "
     "methodical, thorough and honest, with a strong sense of duty towards your family and your "
     "community. Although you rarely speak about your feelings, your devotion runs deep, and "
     "those you love know they can lean on you for years. You have great stamina and are happiest "
     "with practical work whose results you can see. In leadership you are fair and consistent, "
     "setting an example through effort rather than speeches, and your patience lets you outlast "
     "rivals who burn brightly but briefly.",
     "You can be stubborn to the point of rigidity, and once you have made up your mind, no "
     "argument will move you. Change unsettles you, so you may cling to old routines long after "
     "they have stopped working. You are slow to forgive, and a slight can smoulder inside you "
     "for years before it finally erupts in a fierce, surprising temper. Your reserve can seem "
     "cold, and you may judge others harshly when they fail to work as tirelessly as you do. At "
     "times you confuse being right with being kind, and your bluntness hurts people who only "
     "wanted a little warmth."},
    // Tiger
    {"You are brave, passionate and full of energy, a born leader who charges into challenges "
     "that make others hesitate. Your enthusiasm is contagious, and you can rally a whole group "
     "behind a cause simply by believing in it so strongly. You have a strong sense of justice "
     "and will stand up for the underdog even at a cost to yourself. Generous and warm-hearted, "
     "you give freely of your time, your money and your affection. You love adventure and "
     "novelty, and your life is rarely dull, because you say yes to new places, new people and "
     "new ideas. Your confidence is magnetic, and your honesty means people always know where "
     "they stand with you. When you commit to a goal, you pursue it with remarkable intensity and "
     "refuse to be discouraged by early failures.",
     "You can be impulsive and reckless, leaping before you look and leaving others to clean up "
     "afterwards. Your temper flares quickly, and in the heat of the moment you say things you "
     "later regret. You dislike taking orders, so you clash with authority and bristle at rules "
     "you did not choose. Your appetite for excitement may make you impatient with routine, and "
     "you can abandon a project once the thrill fades. Pride makes it hard for you to admit "
     "mistakes, and your need to dominate can leave quieter companions feeling overlooked."},
    // Rabbit
    {"You are gentle, gracious and diplomatic, with a gift for smoothing over tension and making "
     "people feel welcome. Your good taste shows in your home, your clothes and the way you "
     "arrange even small details of daily life. You are a careful listener, and friends come to "
     "you when they need sympathy without judgement. You prefer harmony to conflict, and you can "
     "often find the compromise that lets everyone save face. Your intuition is sharp, so you "
     "read moods and hidden motives with uncanny accuracy. You are cautious with money and "
     "decisions, which keeps you out of trouble that bolder people stumble into. Refined, tactful "
     "and kind, you bring a sense of calm and comfort wherever you go, and people remember your "
     "thoughtfulness.",
     "You can be overly cautious, avoiding risks so carefully that you miss chances which might "
     "have changed your life. Conflict frightens you, so you tend to hide your true opinions and "
     "then resent the outcome in silence. You are sensitive to criticism and may retreat into "
     "your shell at the first harsh word. Your love of comfort can turn into self-indulgence, and "
     "you may choose the pleasant path over the necessary one. At times you seem aloof or "
     "superficial, keeping people at a polite distance, and your indecision can frustrate those "
     "who need a clear answer from you."},
    // Dragon
    {"You are bold, vital and charismatic, and you fill a room simply by walking into it. Your "
     "self-belief is enormous, and it gives you the courage to attempt things others dismiss as "
     "impossible. You think big, dream big and work tirelessly to make those dreams real, "
     "inspiring everyone around you along the way. You are honest to a fault and have no patience "
     "for pettiness or deceit. Luck often seems to follow you, but much of it comes from your "
     "readiness to act when an opportunity appears. You are generous with praise and support, and "
     "you defend your friends fiercely. Your mind is quick and original, and you enjoy tackling "
     "large, complicated problems. In a crisis you take charge naturally, and people feel safer "
     "with you at the helm. Life around you is colourful, dramatic and never boring, and your "
     "friends treasure the stories you leave behind.",
     "You can be arrogant and domineering, convinced that your way is the only right way and "
     "impatient with anyone who disagrees. Your pride is easily wounded, and when it is, your "
     "temper can be volcanic and your words cutting. You demand a great deal from others, "
     "sometimes more than is fair, and you may forget to thank them for their effort. Because you "
     "trust your own instincts so completely, you rarely ask for advice and can walk straight "
     "into avoidable mistakes. You crave admiration and may sulk when you are not the centre of "
     "attention. Routine bores you, so you sometimes neglect the dull but essential tasks that "
     "hold a project together. Your frankness can become tactlessness, and you may not notice the "
     "hurt you leave behind as you rush on to the next grand idea."},
    // Snake
    {"You are wise, perceptive and deeply thoughtful, with a mind that looks beneath the surface "
     "of every situation. You rarely act on impulse; instead you watch, weigh and wait, then move "
     "with precision when the moment is right. Your elegance and quiet composure give you an air "
     "of mystery that others find fascinating. You have excellent judgement in financial and "
     "practical affairs, and your intuition often warns you of trouble long before it arrives. "
     "You are a sophisticated conversationalist who prefers depth to small talk, and you "
     "appreciate art, music and fine things. Once you commit to a person or a plan, you are "
     "determined and loyal. People seek your counsel because you see clearly, keep confidences "
     "and speak only after careful thought.",
     "You can be secretive and suspicious, keeping even close friends at arm's length while you "
     "decide whether they can be trusted. Jealousy and possessiveness may creep into your "
     "relationships, and you find it hard to let go of someone you consider yours. You hold "
     "grudges quietly and may take revenge in subtle, calculated ways. Your love of luxury can "
     "lead to extravagance, and a lazy streak sometimes keeps you from acting until you are "
     "forced to. Because you reveal so little, people may misread you as cold or scheming, and "
     "your pride makes it difficult for you to ask for help, even when you badly need it."},
    // Horse
    {"You are lively, cheerful and independent, with an energy that seems to have no end. You "
     "love freedom, travel and open spaces, and you thrive wherever there is movement and "
     "variety. Your warmth and wit make you popular, and you can chat easily with anyone from a "
     "shopkeeper to a head of state. You think on your feet and handle several tasks at "
     "once without losing your good humour. You are hard-working when a project excites you, and "
     "your enthusiasm can carry a whole team through a difficult stretch. Honest and direct, you "
     "say what you mean and expect others to do the same. You enjoy sport, music and crowds, and "
     "you bring a fresh breeze into any gathering. Your optimism helps you bounce back quickly "
     "from disappointment and try again.",
     "You can be impatient and fickle, dropping people and plans when something more exciting "
     "gallops past. Your need for independence makes commitment difficult, and partners may feel "
     "they never quite have your full attention. You speak before you think, and your bluntness "
     "can hurt. When bored you grow restless and irritable, and you may start many projects "
     "without finishing them. You can be selfish about your own freedom while expecting others to "
     "be there whenever you need them."},
    // Sheep
    {"You are kind, gentle and creative, with a rich inner life and a deep appreciation of "
     "beauty. Your imagination is your great treasure, and it shows in art, music, writing, "
     "cooking or the way you decorate your home. You are compassionate and generous, always ready "
     "to help someone in trouble, and you rarely hold on to anger. People feel comfortable around "
     "you because you are easygoing and accepting, and you never try to dominate a conversation. "
     "You value peace and harmony and work best in a supportive atmosphere where you can "
     "contribute without competing. Your sensitivity lets you understand feelings that others "
     "overlook, and you are a tender friend and partner. You have good manners and good taste, "
     "and your quiet persistence often achieves more than louder people manage. Home and family "
     "matter greatly to you.",
     "You can be indecisive and overly dependent, waiting for others to take the lead or to "
     "rescue you from difficulty. You worry a great deal, often about things that never happen, "
     "and your moods can swing with the weather. Criticism wounds you deeply, and you may respond "
     "by sulking or complaining instead of speaking openly. You are sometimes disorganised with "
     "money and time, and practical chores bore you. Your wish to avoid conflict can make you "
     "passive, letting problems grow until they are much harder to solve."},
    // Monkey
    {"You are clever, inventive and endlessly entertaining, a quick thinker who can solve a "
     "problem while others are still reading the instructions. Your curiosity is boundless, and "
     "you pick up new skills, languages and hobbies with ease. You have a wonderful sense of "
     "humour and a talent for turning ordinary moments into lively stories. People enjoy your "
     "company because you are playful, sociable and full of surprising ideas. You are highly "
     "adaptable, so you thrive in fast-moving situations and can change course the instant a "
     "better option appears. Your mind is sharp with numbers and strategy, and you often find "
     "clever shortcuts. You love a challenge and rarely back down from a contest of wits. "
     "Confident and versatile, you can hold your own in business, science, the arts or public "
     "life. You are generous with friends, encouraging them to laugh and try new things, and your "
     "optimism lifts a gloomy room. Even when plans go wrong, you improvise with such flair that "
     "the result is often better than the original idea.",
     "You can be vain and mischievous, and your cleverness sometimes turns into trickery or "
     "outright deceit. You may look down on people who think more slowly than you, and your jokes "
     "can carry a sting. Restlessness makes you lose interest quickly, leaving tasks half done. "
     "You are good at hiding your real feelings, so others are never quite sure whether to trust "
     "you. When it suits you, you bend the rules and then talk your way out of the consequences."},
    // Rooster
    {"You are hard-working, organised and observant, with a sharp eye for detail and a love of "
     "doing things properly. You are honest and outspoken, and people appreciate that you tell "
     "them the truth even when it is awkward. Your confidence and sense of style make you stand "
     "out in any crowd, and you take pride in your appearance. You plan carefully, keep your "
     "promises and meet your deadlines, so others rely on you to run things smoothly. You are "
     "brave when it matters and loyal to friends and family. Your energy and practical "
     "intelligence make you an excellent manager, and you enjoy sharing your knowledge with "
     "anyone willing to learn. You face problems head-on and rarely complain.",
     "You can be critical and fussy, pointing out flaws in others while overlooking your own. "
     "Your frankness often lacks tact, and you may win an argument but lose a friend. You like to "
     "be admired and can become boastful or vain when you feel unappreciated. Perfectionism makes "
     "you hard to please, and you may nag or micromanage. At times you are rigid, insisting on "
     "your own methods even when a gentler approach would serve better."},
    // Dog
    {"You are loyal, honest and fair-minded, and your sense of right and wrong guides nearly "
     "everything you do. Friends know that you will stand by them through any hardship, and your "
     "devotion is one of your finest qualities. You are a good listener and a sincere, practical "
     "helper who would rather act than make speeches. Injustice angers you, and you will speak up "
     "for those who cannot defend themselves. You are modest about your achievements and prefer "
     "to work for a cause rather than for personal glory. Your common sense and reliability make "
     "you a valued colleague and a trusted neighbour. Once you give your heart, you give it "
     "completely, and you protect your family and friends with steady, quiet courage whatever the "
     "danger.",
     "You can be anxious and pessimistic, expecting the worst and worrying over dangers that may "
     "never come. Your strict moral standards can make you judgemental, and you may lecture "
     "others about how they ought to behave. You are slow to trust strangers and can be defensive "
     "or sharp-tongued when you feel threatened. Once you decide someone has wronged you, it is "
     "very hard for them to win back your respect. You sometimes dwell on problems instead of "
     "enjoying life, and your stubbornness makes you resist well-meant advice."},
    // Boar
    {"You are warm-hearted, sincere and generous, with a big appetite for life and a big heart "
     "for the people in it. You are honest and straightforward, and you assume the best of others "
     "until they give you reason not to. Your good nature makes you a delightful host and a "
     "loyal, forgiving friend. You work diligently, especially for those you love, and you enjoy "
     "sharing the rewards. You are tolerant and easygoing, so people relax in your company, and "
     "you rarely hold a grudge once an apology has been made. When you set your mind to a task, "
     "you see it through with steady determination and quiet strength.",
     "You can be naive and too trusting, and clever people may take advantage of your kindness. "
     "Your love of pleasure can lead to overindulgence in food, drink or spending. You tend to "
     "avoid unpleasant truths, hoping problems will solve themselves. When pushed too far, you "
     "lose your temper suddenly and fiercely. You can also be stubborn and materialistic, and you "
     "may find it hard to refuse anyone who asks you for a favour."},
}};

}  // namespace zodiac::content
